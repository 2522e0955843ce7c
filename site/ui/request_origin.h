// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Whether a form's POST comes from a page of this site, as the browser tells: the
// Origin header (or, from a browser that sends none, the Referer) must name the host
// the request was sent to ("http://host:port" against "host:port"). A request that
// carries neither comes from no web page (the game, a command-line client) and is
// taken; "Origin: null" (a sandboxed or privacy-stripped page) is not.
bool ComesFromThisSite(const std::string& host, const std::string& origin, const std::string& referer);
