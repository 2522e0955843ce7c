// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/verified_record.h"

#include <gtest/gtest.h>

namespace {

using VerifiedRecord::Verdict;

TEST(VerifiedRecord, OnlyAWholeGameWonAloneByOneHumanIsVerified)
{
    const QString anna = QStringLiteral("Anna");
    const QString bruno = QStringLiteral("Bruno");
    const struct {
        const char* what;
        int manches;
        std::array<int, 4> totals;
        std::array<QString, 4> humans;
        Verdict verdict;
        int seat;
    } cases[] = {
        {"a human wins alone", 5, {2400, 1800, 900, 0}, {anna, bruno, {}, {}}, Verdict::Verified, 0},
        {"the winner is in a later seat", 5, {100, 1800, 900, 0}, {anna, bruno, {}, {}}, Verdict::Verified, 1},
        {"a computer wins", 5, {100, 300, 900, 0}, {anna, bruno, {}, {}}, Verdict::NotOneHuman, 2},
        {"the seat changed hands", 5, {100, 1800, 900, 0}, {anna, {}, {}, {}}, Verdict::NotOneHuman, 1},
        {"a tie with a computer", 5, {900, 300, 900, 0}, {anna, bruno, {}, {}}, Verdict::Tie, -1},
        {"a tie of two humans", 5, {900, 900, 100, 0}, {anna, bruno, {}, {}}, Verdict::Tie, -1},
        {"nothing won", 5, {0, 0, 0, 0}, {anna, bruno, {}, {}}, Verdict::NothingWon, -1},
        {"everyone lost points", 5, {-100, -200, -300, -400}, {anna, bruno, {}, {}}, Verdict::NothingWon, 0},
        {"a game cut short", 4, {2400, 1800, 900, 0}, {anna, bruno, {}, {}}, Verdict::CutShort, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VerifiedRecord::FinishedGame game;
        game.manchesJudged = c.manches;
        game.totals = c.totals;
        game.wholeGameHuman = c.humans;
        const VerifiedRecord::Outcome outcome = VerifiedRecord::Judge(game);
        EXPECT_EQ(outcome.verdict, c.verdict);
        EXPECT_EQ(outcome.seat, c.seat);
        if (c.verdict == Verdict::Verified) {
            EXPECT_EQ(outcome.name, c.humans[c.seat]);
            EXPECT_EQ(outcome.points, c.totals[c.seat]);
        } else {
            EXPECT_TRUE(outcome.name.isEmpty());
        }
    }
}

}  // namespace
