// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The player's key in the signed cookie "sfida": 32 random hex digits, a dot and
// their HMAC with the site's secret. Only the site makes keys, so a player cannot
// take another's try or forge a fresh one without being sent it.
namespace DailyPlayerKey {

inline constexpr const char* kCookieName = "sfida";

QString Make();
QByteArray Signed(const QString& key, const QByteArray& secret);
// The key of a cookie's value when its signature holds.
std::optional<QString> Checked(const QByteArray& cookieValue, const QByteArray& secret);
// The value of the cookie `name` in a Cookie header; empty when absent.
QByteArray FromCookieHeader(const QByteArray& header, const char* name);

}  // namespace DailyPlayerKey
