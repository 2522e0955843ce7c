// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/end_of_game_summary.h"
#include "model/game_state.h"
#include "scoring/core/score_format.h"

#include <gtest/gtest.h>

TEST(ScoreFormat, RanksAndScoresOfTheGrid)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    struct Case {
        int value;
        QString rank;
        QString english;
        QString italian;
    };
    const Case cases[] = {
        {1, QStringLiteral("  01"), QStringLiteral(" 00,001"), QStringLiteral(" 00.001")},
        {9, QStringLiteral("  09"), QStringLiteral(" 00,009"), QStringLiteral(" 00.009")},
        {10, QStringLiteral("  10"), QStringLiteral(" 00,010"), QStringLiteral(" 00.010")},
        {50, QStringLiteral("  50"), QStringLiteral(" 00,050"), QStringLiteral(" 00.050")},
        {999, QStringLiteral("  999"), QStringLiteral(" 00,999"), QStringLiteral(" 00.999")},
        {1250, QStringLiteral("  1250"), QStringLiteral(" 01,250"), QStringLiteral(" 01.250")},
        {32767, QStringLiteral("  32767"), QStringLiteral(" 32,767"), QStringLiteral(" 32.767")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatRank(c.value), c.rank);
        EXPECT_EQ(FormatScore(c.value, english), c.english);
        EXPECT_EQ(FormatScore(c.value, italian), c.italian);
    }
    EXPECT_EQ(FormatScore(0, QLocale::c()), QStringLiteral(" 00,000"));
    EXPECT_EQ(FormatScore(-300, english), QStringLiteral("- 00,300"));
}

TEST(ScoreFormat, SignedTextLeavesABlankForTheSign)
{
    EXPECT_EQ(SignedText(0), QStringLiteral(" 0"));
    EXPECT_EQ(SignedText(4500), QStringLiteral(" 4500"));
    EXPECT_EQ(SignedText(-12), QStringLiteral("-12"));
}

namespace {

GameState GameWithTotals()
{
    GameState state;
    state.Players[0].Name = QStringLiteral("ANONIMO");
    state.TotalScores = {5230, 4100, 0, 12000};
    return state;
}

}  // namespace

TEST(EndOfGameSummary, NameLineNumbersTheGameInThreeCharacters)
{
    const QString names = QStringLiteral("        ANONIMO") + QStringLiteral("Valentina (CPU)") +
                          QStringLiteral("  Giacomo (CPU)") + QStringLiteral("   Andrea (CPU)");
    struct Case {
        int game;
        QString start;
    };
    const Case cases[] = {
        {1, QStringLiteral("  1) ")},   {9, QStringLiteral("  9) ")},   {10, QStringLiteral(" 10) ")},
        {99, QStringLiteral(" 99) ")},  {100, QStringLiteral("100) ")}, {999, QStringLiteral("999) ")},
        {1000, QStringLiteral("000) ")}, {1234, QStringLiteral("234) ")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EndOfGameSummary::NameLine(c.game, GameWithTotals()), c.start + names) << c.game;
}

TEST(EndOfGameSummary, ScoreLineRightAlignsEveryTotal)
{
    EXPECT_EQ(EndOfGameSummary::ScoreLine(GameWithTotals()),
              QStringLiteral("     ") + QStringLiteral("           5230") + QStringLiteral("           4100") +
                  QStringLiteral("              0") + QStringLiteral("          12000"));
}

TEST(EndOfGameSummary, LongNamesKeepTheirLast15Characters)
{
    GameState state = GameWithTotals();
    state.Players[0].Name = QStringLiteral("ABCDEFGHIJKLMNOP");            // 16 characters
    state.Players[1].Name = QStringLiteral("Quindici lettre");             // exactly 15
    state.Players[2].Name = QStringLiteral("Bartolomeo Maria (CPU)");
    state.Players[3].Name = QString();
    const QString line = EndOfGameSummary::NameLine(3, state);
    EXPECT_EQ(line, QStringLiteral("  3) ") + QStringLiteral("BCDEFGHIJKLMNOP") + QStringLiteral("Quindici lettre") +
                        QStringLiteral("meo Maria (CPU)") + QString(15, QLatin1Char(' ')));
    EXPECT_EQ(line.size(), 5 + 4 * 15);
}

// On screen the same columns stand one blank apart, so two full 15-character names
// no longer read as one ("AnonimoValentina (CPU)").
TEST(EndOfGameSummary, OnScreenPutsABlankBetweenTheColumns)
{
    GameState full = GameWithTotals();
    full.Players[0].Name = QStringLiteral("Anonimo Anonimo");
    full.Players[1].Name = QStringLiteral("Valentina (CPU)");
    full.Players[2].Name = QStringLiteral("Ugo");
    full.Players[3].Name = QStringLiteral("ABCDEFGHIJKLMNOP");
    struct Row {
        const char* what;
        QString line;
        QString shown;
    };
    const QString pad12(12, QLatin1Char(' '));
    const Row rows[] = {
        {"full names", EndOfGameSummary::NameLine(1, full),
         QStringLiteral("  1) Anonimo Anonimo Valentina (CPU) ") + pad12 + QStringLiteral("Ugo BCDEFGHIJKLMNOP")},
        {"totals", EndOfGameSummary::ScoreLine(full),
         QStringLiteral("     ") + QStringLiteral("           5230 ") + QStringLiteral("           4100 ") +
             QStringLiteral("              0 ") + QStringLiteral("          12000")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EndOfGameSummary::OnScreen(row.line), row.shown) << row.what;
        EXPECT_EQ(row.shown.size(), 5 + 4 * 15 + 3) << row.what;
    }
}
