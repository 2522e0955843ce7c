// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/round_scoring.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

using namespace RoundScoring;

TEST(RoundScoringTest, CopiedStartOfTheSourceWord)
{
    struct Case {
        const char* word;
        const char* source;
        bool copied;
    };
    const Case cases[] = {
        {"CASTELLO", "CASTELLO", true},   // the source word itself
        {"CASTA", "CASTELLO", true},      // CAST stands in it
        {"STELLA", "CASTELLO", true},     // STEL stands in it, not at its start
        {"ORTA", "ARTOLCES", false},      // every letter in it, but never four together
        {"CASA", "ACASATELLO", true},     // the whole word inside
        {"CAS", "CASTELLO", false},       // three letters are never caught
        {"SALE", "", false},              // no shuffled draw
        {"LETTO", "ELETTORE", true},
        {"TOLLE", "CASTELLO", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CopiesSourceWord(QString::fromLatin1(c.word), QString::fromLatin1(c.source)), c.copied)
            << c.word << " in " << c.source;
    }
}

TEST(RoundScoringTest, TimeBonusCountsTheSecondsUnderAMinute)
{
    const std::pair<int, int> bonuses[] = {{0, 600}, {12, 480}, {59, 10}, {60, 0}, {90, 0}, {31989, 0}, {-5, 600}};
    for (const auto& [seconds, bonus] : bonuses)
        EXPECT_EQ(TimeBonus(seconds), bonus) << seconds;
}

TEST(RoundScoringTest, TotalsNeverWrap)
{
    EXPECT_EQ(AddToTotal(32000, 1080), 33080);  // past the 16-bit range, still right
    EXPECT_EQ(AddToTotal(std::numeric_limits<int>::max() - 5, 1000), std::numeric_limits<int>::max());
    EXPECT_EQ(AddToTotal(std::numeric_limits<int>::min() + 5, -1000), std::numeric_limits<int>::min());
}

TEST(RoundScoringTest, BestWordCountsTiesFromZero)
{
    struct Case {
        const char* name;
        std::array<int, kPlayers> points;
        int bestPlayer;
        int tieCount;
    };
    const Case cases[] = {
        {"nobody scores", {0, 0, 0, 0}, -1, 4},
        {"one best late", {0, 300, 600, 500}, 2, 1},
        {"first reaches it first", {600, 0, 600, 300}, 0, 2},
        {"a lower score after the best", {0, 800, 300, 300}, 1, 1},
    };
    for (const Case& c : cases) {
        BestWord best;
        for (int p = 0; p < kPlayers; ++p)
            best.Add(p, c.points[p]);
        EXPECT_EQ(best.BestPlayer(), c.bestPlayer) << c.name;
        EXPECT_EQ(best.TieCount(), c.tieCount) << c.name;
        for (int p = 0; p < kPlayers; ++p)
            EXPECT_EQ(best.SoleBest(p), c.tieCount == 1 && p == c.bestPlayer) << c.name << " player " << p;
    }
}

TEST(RoundScoringTest, RanksSortHighestFirstKeepingPlayerOrderOnTies)
{
    struct Case {
        std::array<int, kPlayers> totals;
        std::array<int, kPlayers> ranks;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {1, 2, 3, 4}},
        {{300, 500, 500, 300}, {3, 1, 2, 4}},
        {{100, 200, 300, 400}, {4, 3, 2, 1}},
        {{1080, 500, 0, 500}, {1, 2, 4, 3}},
        {{0, 700, 0, 700}, {3, 1, 4, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ranks(c.totals), c.ranks) << c.totals[0] << "," << c.totals[1] << "," << c.totals[2] << ","
                                            << c.totals[3];
}

TEST(RoundScoringTest, ScoreLabelKeepsTotalsRightAlignedInFiveCharacters)
{
    EXPECT_EQ(ScoreLabelText(0, 4), QStringLiteral("    0 (4°)"));
    EXPECT_EQ(ScoreLabelText(10500, 2), QStringLiteral("10500 (2°)"));
    EXPECT_EQ(ScoreLabelText(123456, 1), QStringLiteral("123456 (1°)"));  // wider, never cut
}

}  // namespace
