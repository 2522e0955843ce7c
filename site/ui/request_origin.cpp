// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/request_origin.h"

#include <algorithm>
#include <cctype>

namespace {

// "scheme://authority[/...]" → the authority in lower case; empty when not of that form.
std::string AuthorityOf(const std::string& address)
{
    const std::size_t scheme = address.find("://");
    if (scheme == std::string::npos || scheme == 0)
        return {};
    const std::size_t start = scheme + 3;
    const std::size_t end = address.find_first_of("/?#", start);
    std::string authority = address.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::transform(authority.begin(), authority.end(), authority.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return authority;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

bool ComesFromThisSite(const std::string& host, const std::string& origin, const std::string& referer)
{
    const std::string& named = !origin.empty() ? origin : referer;
    if (named.empty())
        return true;
    const std::string authority = AuthorityOf(named);
    return !authority.empty() && !host.empty() && authority == Lower(host);
}
