// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/seat_cookie.h"

#include <gtest/gtest.h>

namespace {

TEST(SeatCookie, OnlyAKeyOfTheRightNameAndShapeIsTaken)
{
    const struct {
        const char* header;
        const char* key;
    } cases[] = {
        {"", ""},
        {"letterama_posto=abcdefghijklmnop0123", "abcdefghijklmnop0123"},
        {"tema=scuro; letterama_posto=abcdefghijklmnop0123; lingua=1", "abcdefghijklmnop0123"},
        {"  letterama_posto = abcdefghijklmnop_-23 ", "abcdefghijklmnop_-23"},
        // Another cookie whose name ends the same is not it.
        {"xletterama_posto=abcdefghijklmnop0123", ""},
        // Too short to be a secret, too long, or holding what no secret holds.
        {"letterama_posto=abc", ""},
        {"letterama_posto=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", ""},
        {"letterama_posto=abcdefghijklmnop\"<x>\"", ""},
        {"letterama_posto=", ""},
        {"letterama_posto", ""},
        // A malformed first one does not hide a good second one.
        {"letterama_posto=bad; letterama_posto=abcdefghijklmnop0123", "abcdefghijklmnop0123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeatCookie::From(c.header).toStdString(), c.key) << c.header;
}

TEST(SeatCookie, TheCookieIsHiddenFromScriptsAndOtherSitesAndScopedToTheTables)
{
    const std::string header = SeatCookie::SetCookie(QStringLiteral("abcdefghijklmnop0123"));
    EXPECT_EQ(SeatCookie::From(header.substr(0, header.find(';'))), QStringLiteral("abcdefghijklmnop0123"));
    for (const char* attribute : {"; HttpOnly", "; SameSite=Strict", "; Path=/letterama/online;"})
        EXPECT_NE(header.find(attribute), std::string::npos) << attribute << " in " << header;
}

}  // namespace
