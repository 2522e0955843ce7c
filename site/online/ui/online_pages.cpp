// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/ui/online_pages.h"

#include "site/core/site_pages.h"
#include "site/online/core/seat_cookie.h"
#include "site/ui/site_routes.h"

#include <QFile>
#include <QRandomGenerator>

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

// A page that seats players gives a browser without one the cookie that finds its seats again.
SiteResponse WithSeatCookie(SiteResponse page, const SiteRequest& request)
{
    if (!SeatCookie::From(request.cookie).isEmpty())
        return page;
    QByteArray secret(24, Qt::Uninitialized);
    QRandomGenerator::system()->generate(secret.begin(), secret.end());
    const QString key =
        QString::fromLatin1(secret.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    page.headers.emplace_back("Set-Cookie", SeatCookie::SetCookie(key));
    return page;
}

SiteRoutes::Handler SeatingPage(const char* name)
{
    return [name](const SiteRequest& request) {
        return WithSeatCookie(Served(name, "text/html; charset=utf-8"), request);
    };
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
    routes.Add("/letterama/online/", SeatingPage("lobby.html"));
    routes.Add("/letterama/online", SeatingPage("lobby.html"));
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
        return WithSeatCookie(Served("tavolo.html", "text/html; charset=utf-8"), request);
    });
}
