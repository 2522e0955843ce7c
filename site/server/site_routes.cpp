// SPDX-License-Identifier: GPL-3.0-or-later
#include "site_routes.h"

#include "site_pages.h"

void SiteRoutes::Add(std::string path, Handler get, Handler post)
{
    routes_.push_back({std::move(path), std::move(get), std::move(post)});
}

SiteResponse SiteRoutes::Answer(const SiteRequest& request) const
{
    for (const Route& route : routes_) {
        if (route.path != request.path)
            continue;
        if (request.method == "GET" || request.method == "HEAD")
            return route.get(request);
        if (request.method == "POST" && route.post)
            return route.post(request);
        SiteResponse refused{405, "text/html; charset=utf-8",
                             SitePages::Problem(QStringLiteral("Richiesta non ammessa"),
                                                QStringLiteral("Questa pagina non accetta questo tipo di richiesta."))
                                 .toStdString(),
                             {}};
        refused.headers.emplace_back("Allow", route.post ? "GET, HEAD, POST" : "GET, HEAD");
        return refused;
    }
    return {404, "text/html; charset=utf-8",
            SitePages::Problem(QStringLiteral("Pagina non trovata"),
                               QStringLiteral("Il documento che hai richiesto non è stato trovato."))
                .toStdString(),
            {}};
}
