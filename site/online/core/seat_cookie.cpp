// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/seat_cookie.h"

#include <algorithm>

namespace SeatCookie {

namespace {

constexpr std::size_t kShortest = 16;
constexpr std::size_t kLongest = 64;

bool IsSecretCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

QString From(std::string_view cookieHeader)
{
    while (!cookieHeader.empty()) {
        const std::size_t semicolon = cookieHeader.find(';');
        const std::string_view pair = Trimmed(cookieHeader.substr(0, semicolon));
        cookieHeader = semicolon == std::string_view::npos ? std::string_view() : cookieHeader.substr(semicolon + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos || Trimmed(pair.substr(0, equals)) != kName)
            continue;
        const std::string_view value = Trimmed(pair.substr(equals + 1));
        const bool shaped = value.size() >= kShortest && value.size() <= kLongest &&
                            std::all_of(value.begin(), value.end(), IsSecretCharacter);
        // A second cookie of the name (another path's) does not replace a good first one.
        if (shaped)
            return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
    }
    return QString();
}

std::string SetCookie(const QString& secret)
{
    // A month: long enough to come back to a game, short enough not to follow the
    // browser for ever.
    return std::string(kName) + '=' + secret.toStdString() +
           "; Path=/letterama/online; Max-Age=2592000; HttpOnly; SameSite=Strict";
}

}  // namespace SeatCookie
