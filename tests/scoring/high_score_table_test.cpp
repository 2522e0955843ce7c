#include "game_state.h"
#include "high_score_file.h"
#include "high_score_table.h"
#include "temp_program_folder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <vector>

using Entries = std::vector<HighScoreEntry>;

namespace {

// A finished game: the human "ANONIMO" against the three computer players.
GameState FinishedGame(std::array<int, GameState::kPlayers> totals)
{
    GameState state;
    state.Players[0].Name = QStringLiteral("ANONIMO");
    state.TotalScores = totals;
    state.MancheNumber = 6;
    state.GameOver = true;
    return state;
}

QByteArray FileOf(int entries, int topScore)
{
    QByteArray file;
    for (int i = 0; i < entries; ++i)
        file += "P" + QByteArray::number(i + 1) + ", " + QByteArray::number(topScore - 10 * i) + "\r\n";
    return file;
}

int LineCount(const QByteArray& file)
{
    return static_cast<int>(file.count("\r\n"));
}

}  // namespace

TEST(HighScoreTable, BubbleSortKeepsEqualScoresInTheirOrder)
{
    HighScoreTable table({{QStringLiteral("a"), 100}, {QStringLiteral("b"), 300}, {QStringLiteral("c"), 100},
                          {QStringLiteral("d"), 300}, {QStringLiteral("e"), -5}, {QStringLiteral("f"), 200}});
    table.SortByScore();
    EXPECT_EQ(table.Entries(), (Entries{{QStringLiteral("b"), 300}, {QStringLiteral("d"), 300},
                                        {QStringLiteral("f"), 200}, {QStringLiteral("a"), 100},
                                        {QStringLiteral("c"), 100}, {QStringLiteral("e"), -5}}));
}

TEST(HighScoreTable, HumansEnterInPlayerOrderAndComputersNever)
{
    GameState state = FinishedGame({500, 9000, 700, 500});
    state.Players[2].Name = QStringLiteral("Secondo");
    state.Players[3].Name = QStringLiteral("Terzo");
    HighScoreTable table({{QStringLiteral("Vecchio"), 500}});
    table.AddFinishedGame(state);
    table.SortByScore();
    EXPECT_EQ(table.Entries(), (Entries{{QStringLiteral("Secondo"), 700}, {QStringLiteral("Vecchio"), 500},
                                        {QStringLiteral("ANONIMO"), 500}, {QStringLiteral("Terzo"), 500}}));
}

struct HolderCase {
    const char* label;
    Entries file;
    std::array<int, 4> totals;
    QString secondHuman;  // name of player 2, a human when set
    std::optional<int> holder;
};

class RecordHolder : public ::testing::TestWithParam<HolderCase> {};

TEST_P(RecordHolder, OnlyAPlayerOfThisGameAtTheTopHoldsTheRecord)
{
    const HolderCase& c = GetParam();
    GameState state = FinishedGame(c.totals);
    if (!c.secondHuman.isEmpty())
        state.Players[1].Name = c.secondHuman;
    HighScoreTable table(c.file);
    table.AddFinishedGame(state);
    table.SortByScore();
    EXPECT_EQ(table.RecordHolder(state), c.holder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordHolder,
    ::testing::Values(
        HolderCase{"new best", {{QStringLiteral("Bruno"), 3000}}, {3100, 0, 0, 0}, {}, 0},
        HolderCase{"empty table", {}, {0, 5000, 0, 0}, {}, 0},
        HolderCase{"below the top", {{QStringLiteral("Bruno"), 3000}}, {2900, 0, 0, 0}, {}, std::nullopt},
        HolderCase{"tie with the top", {{QStringLiteral("Bruno"), 3000}}, {3000, 0, 0, 0}, {}, std::nullopt},
        HolderCase{"same name and score already on top", {{QStringLiteral(" anonimo "), 3000}}, {3000, 0, 0, 0}, {}, 0},
        HolderCase{"second human beats the first", {}, {1000, 2000, 0, 0}, QStringLiteral("Ugo"), 1},
        HolderCase{"computer name at the top of an edited file",
                   {{QStringLiteral("Valentina (CPU)"), 3000}}, {100, 3000, 0, 0}, {}, std::nullopt}),
    [](const ::testing::TestParamInfo<HolderCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(HighScoreSetUp, FromTheMenuWithNoFileShowsNothingAndCreatesNoFile)
{
    TempProgramFolder folder;
    GameState state = FinishedGame({4000, 0, 0, 0});
    state.GameOver = false;
    const HighScoreSetUp setUp = HighScoreSetUp::Run(state);
    EXPECT_TRUE(setUp.table.Entries().empty());
    EXPECT_FALSE(setUp.fileWritten);
    EXPECT_FALSE(setUp.recordHolder.has_value());
    EXPECT_TRUE(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(HighScoreSetUp, FromTheMenuNeverRewritesADamagedFile)
{
    TempProgramFolder folder;
    const QByteArray damaged = "Bruno, 900\r\nrotto\r\nAda, 1000\r\n";
    folder.Write(QStringLiteral("Lettrama.HIS"), damaged);
    GameState state = FinishedGame({4000, 0, 0, 0});
    state.GameOver = false;
    const HighScoreSetUp setUp = HighScoreSetUp::Run(state);
    EXPECT_EQ(setUp.table.Entries(), (Entries{{QStringLiteral("Ada"), 1000}, {QStringLiteral("Bruno"), 900}}));
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), damaged);
}

TEST(HighScoreSetUp, FirstGameCreatesTheFile)
{
    TempProgramFolder folder;
    const HighScoreSetUp setUp = HighScoreSetUp::Run(FinishedGame({2300, 3000, 2000, 1000}));
    EXPECT_TRUE(setUp.fileWritten);
    EXPECT_EQ(setUp.recordHolder, 0);
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), QByteArray("ANONIMO, 2300\r\n"));
}

TEST(HighScoreSetUp, GameOfComputersOnlyRewritesTheTableUnchanged)
{
    TempProgramFolder folder;
    const QByteArray file = "Ada, 1000\r\nBruno, 900\r\n";
    folder.Write(QStringLiteral("Lettrama.HIS"), file);
    GameState state = FinishedGame({0, 9000, 8000, 7000});
    state.Players[0].Name = QStringLiteral("Pinco (CPU)");
    const HighScoreSetUp setUp = HighScoreSetUp::Run(state);
    EXPECT_TRUE(setUp.fileWritten);
    EXPECT_FALSE(setUp.recordHolder.has_value());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), file);
}

TEST(HighScoreSetUp, TieWithTheTopStaysBelowItWithoutTheRecord)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 3000\r\n");
    const HighScoreSetUp setUp = HighScoreSetUp::Run(FinishedGame({3000, 0, 0, 0}));
    EXPECT_EQ(setUp.table.Entries(), (Entries{{QStringLiteral("Bruno"), 3000}, {QStringLiteral("ANONIMO"), 3000}}));
    EXPECT_FALSE(setUp.recordHolder.has_value());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), QByteArray("Bruno, 3000\r\nANONIMO, 3000\r\n"));
}

struct LengthCase {
    const char* label;
    QByteArray file;
    int human;
    int expectedLines;
    QString expectedLast;
};

class HighScoreLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(HighScoreLength, FileNeverHoldsMoreThan50Lines)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Lettrama.HIS"), GetParam().file);
    HighScoreSetUp::Run(FinishedGame({GetParam().human, 0, 0, 0}));
    const QByteArray written = folder.Read(QStringLiteral("Lettrama.HIS"));
    EXPECT_EQ(LineCount(written), GetParam().expectedLines);
    const Entries entries = HighScoreFile::Parse(written);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().Name, GetParam().expectedLast);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HighScoreLength,
    ::testing::Values(
        // 50 entries scoring 5000 down to 4510: a better game pushes the lowest off.
        LengthCase{"full table, new entry enters", FileOf(50, 5000), 4600, 50, QStringLiteral("P49")},
        LengthCase{"full table, new entry too low", FileOf(50, 5000), 100, 50, QStringLiteral("P50")},
        LengthCase{"49 entries, room for one more", FileOf(49, 5000), 100, 50, QStringLiteral("ANONIMO")},
        LengthCase{"80 lines of an edited file", FileOf(80, 9000), 100, 50, QStringLiteral("P50")},
        LengthCase{"empty file", QByteArray(), 100, 1, QStringLiteral("ANONIMO")},
        LengthCase{"line without a number", "Ada\r\nBruno, 900\r\n", 100, 2, QStringLiteral("ANONIMO")}),
    [](const ::testing::TestParamInfo<LengthCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
