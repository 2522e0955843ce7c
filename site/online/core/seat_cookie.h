// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The browser's key to its seats: a secret in a cookie the table pages set, sent back
// by the browser with the WebSocket's upgrade. It is HttpOnly (no script of the page
// can read it), SameSite=Strict (no other site's page sends it) and limited to the
// live tables' paths, so a reload or a second tab of the same browser finds its seat.
namespace SeatCookie {

inline constexpr std::string_view kName = "letterama_posto";

// The key in a Cookie header, or empty when it holds none of the right shape (the
// browser's secret is never trusted beyond its shape: it only matches a seat it made).
QString From(std::string_view cookieHeader);

// The Set-Cookie value that gives the browser `secret`.
std::string SetCookie(const QString& secret);

}  // namespace SeatCookie
