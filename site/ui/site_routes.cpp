// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_routes.h"

#include "site/core/site_pages.h"

void SiteRoutes::Add(std::string path, Handler get, Handler post)
{
    for (Route& route : routes_) {
        if (route.path == path) {
            route = {std::move(path), std::move(get), std::move(post)};
            return;
        }
    }
    routes_.push_back({std::move(path), std::move(get), std::move(post)});
}

void SiteRoutes::AddPrefix(std::string prefix, Handler get)
{
    prefixes_.push_back({std::move(prefix), std::move(get), nullptr});
}

SiteResponse SiteRoutes::Answer(const SiteRequest& request) const
{
    const Route* matched = nullptr;
    for (const Route& route : routes_) {
        if (route.path == request.path)
            matched = &route;
    }
    for (const Route& route : prefixes_) {
        if (!matched && request.path.starts_with(route.path))
            matched = &route;
    }
    if (matched) {
        const Route& route = *matched;
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
