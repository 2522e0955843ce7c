// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/daily_challenge_board.h"

#include <gtest/gtest.h>

namespace {

TEST(DailyChallengeBoardTest, OnlyABoardOfTheGamesLanguageIsTaken)
{
    struct Case {
        const char* text;
        Language language;
        const char* letters;  // nullptr: refused
    } const cases[] = {
        {"sfida\r\n2026-12-10\r\n1\r\nACETOLIRAS\r\n", Language::Italian, "ACETOLIRAS"},
        {"sfida\n2026-12-10\n2\nAYETOKIRAS\n", Language::English, "AYETOKIRAS"},
        {"sfida\n2026-12-10\n2\nACETOLIRAS\n", Language::Italian, nullptr},  // another language
        {"sfida\n2026-12-10\n1\nAYETOKIRAS\n", Language::Italian, nullptr},  // no Y or K in Italian
        {"sfida\n2026-12-10\n1\nACETOLIRA\n", Language::Italian, nullptr},   // nine letters
        {"sfida\n2026-13-10\n1\nACETOLIRAS\n", Language::Italian, nullptr},  // no such day
        {"<html>Pagina non trovata</html>", Language::Italian, nullptr},
        {"", Language::Italian, nullptr},
    };
    for (const Case& c : cases) {
        const auto board = DailyChallengeBoard::Parse(c.text, c.language);
        if (!c.letters) {
            EXPECT_FALSE(board) << c.text;
            continue;
        }
        ASSERT_TRUE(board) << c.text;
        EXPECT_EQ(board->letters, QString::fromLatin1(c.letters));
        EXPECT_EQ(board->day, QDate(2026, 12, 10));
    }
}

TEST(DailyChallengeBoardTest, TheResultAddressCarriesOnlyLettersAndTheSecondsWithinTheManche)
{
    const SiteAddress site = SiteAddress::FromText(QStringLiteral("https://letterama.example.org"));
    EXPECT_EQ(DailyChallengeBoard::ResultAddress(site, Language::Latin, QStringLiteral("rosa&x=1"), 75),
              QStringLiteral("https://letterama.example.org/letterama/sfida/gioco?lingua=3&parola=ROSAX&secondi=60"));
    EXPECT_EQ(DailyChallengeBoard::ResultAddress(site, Language::Italian, QString(), -3),
              QStringLiteral("https://letterama.example.org/letterama/sfida/gioco?lingua=1&parola=&secondi=0"));
    EXPECT_TRUE(DailyChallengeBoard::ResultAddress(SiteAddress(), Language::Italian, QStringLiteral("CASA"), 3).isEmpty());
}

}  // namespace
