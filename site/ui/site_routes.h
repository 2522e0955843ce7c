// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/ui/site_request.h"

#include <functional>
#include <string>
#include <vector>

// The site's paths and what answers each: every path takes GET and HEAD, a form's
// path POST too. A path not in the table is a 404 page, a method it does not take a
// 405 page naming those it does.
class SiteRoutes {
public:
    using Handler = std::function<SiteResponse(const SiteRequest&)>;

    // A path added again answers with its new handlers.
    void Add(std::string path, Handler get, Handler post = nullptr);
    // Every path that starts with `prefix` and is not in the table takes GET and HEAD.
    void AddPrefix(std::string prefix, Handler get);
    SiteResponse Answer(const SiteRequest& request) const;

private:
    struct Route {
        std::string path;
        Handler get;
        Handler post;
    };
    std::vector<Route> routes_;
    std::vector<Route> prefixes_;
};
