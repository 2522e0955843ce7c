// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// A request as the HTTP layer hands it over: the path without its query, and the
// query's (or a posted form's) keys and percent-decoded values in their order.
struct SiteRequest {
    std::string method;
    std::string path;
    std::multimap<std::string, std::string> params;
    std::string clientAddress;
    // The request's own Host, Origin and Referer headers (empty when absent): a form's
    // POST is taken only from a page of this site.
    std::string host;
    std::string origin;
    std::string referer;
    // The Cookie header as sent (empty when absent): a table's seat and the day's
    // challenge read their keys from it.
    std::string cookie;
};

struct SiteResponse {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};
