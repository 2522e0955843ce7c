// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/ui/online_pages.h"

#include "site/core/site_pages.h"
#include "site/ui/site_routes.h"

#include <QFile>

namespace {

// A file of the pages, built into the program.
SiteResponse Served(const char* name, const char* contentType)
{
    QFile file(QStringLiteral(":/online/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {404, "text/plain; charset=utf-8", "Non trovato.\r\n", {}};
    return {200, contentType, file.readAll().toStdString(), {}};
}

SiteRoutes::Handler File(const char* name, const char* contentType)
{
    return [name, contentType](const SiteRequest&) { return Served(name, contentType); };
}

bool IsTableId(const std::string& id)
{
    if (id.empty() || id.size() > 32)
        return false;
    for (const char c : id) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                             c == '_';
        if (!allowed)
            return false;
    }
    return true;
}

}  // namespace

void OnlinePages::AddTo(SiteRoutes& routes)
{
    const char* const html = "text/html; charset=utf-8";
    routes.Add("/letterama/online/", File("lobby.html", html));
    routes.Add("/letterama/online", File("lobby.html", html));
    routes.Add("/letterama/online/lobby.js", File("lobby.js", "text/javascript; charset=utf-8"));
    routes.Add("/letterama/online/tavolo.js", File("tavolo.js", "text/javascript; charset=utf-8"));
    routes.Add("/letterama/online/online.css", File("online.css", "text/css; charset=utf-8"));
    // Any table's page is the same page: it finds its table in its own address, and a
    // table that is gone says so over the socket.
    routes.AddPrefix("/letterama/online/tavolo/", [](const SiteRequest& request) {
        const std::string id = request.path.substr(std::string("/letterama/online/tavolo/").size());
        if (!IsTableId(id))
            return SiteResponse{404, "text/html; charset=utf-8",
                                SitePages::Problem(QStringLiteral("Tavolo non trovato"),
                                                   QStringLiteral("Questo indirizzo non è quello di un tavolo."))
                                    .toStdString(),
                                {}};
        return Served("tavolo.html", "text/html; charset=utf-8");
    });
}
