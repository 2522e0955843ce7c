// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_state.h"
#include "scoring/core/high_score_file.h"
#include "scoring/core/high_score_table.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <vector>

using Entries = std::vector<HighScoreEntry>;

namespace {

// A finished game of the human "ANONIMO" against the three computer players.
GameState FinishedGame(std::array<int, GameState::kPlayers> totals)
{
    GameState state;
    state.Players[0].Name = QStringLiteral("ANONIMO");
    state.TotalScores = totals;
    state.GameOver = true;
    return state;
}

// `entries` lines "P1, top", "P2, top - 10", ...
QByteArray FileOf(int entries, int topScore)
{
    QByteArray file;
    for (int i = 0; i < entries; ++i)
        file += "P" + QByteArray::number(i + 1) + ", " + QByteArray::number(topScore - 10 * i) + "\r\n";
    return file;
}

}  // namespace

TEST(HighScoreTable, HumansEnterInPlayerOrderBelowEqualScoresAndComputersNever)
{
    GameState state = FinishedGame({500, 9000, 700, 500});
    state.Players[2].Name = QStringLiteral("Secondo");
    state.Players[3].Name = QStringLiteral("Terzo");
    HighScoreTable table({{QStringLiteral("a"), 100}, {QStringLiteral("b"), 500}, {QStringLiteral("c"), 600}});
    table.AddFinishedGame(state);
    table.SortByScore();
    EXPECT_EQ(table.Entries(), (Entries{{QStringLiteral("Secondo"), 700}, {QStringLiteral("c"), 600},
                                        {QStringLiteral("b"), 500}, {QStringLiteral("ANONIMO"), 500},
                                        {QStringLiteral("Terzo"), 500}, {QStringLiteral("a"), 100}}));
}

TEST(HighScoreTable, OnlyAPlayerOfThisGameAtTheTopHoldsTheRecord)
{
    const struct {
        const char* label;
        Entries file;
        std::array<int, 4> totals;
        std::optional<int> holder;
    } cases[] = {
        {"new best", {{QStringLiteral("Bruno"), 3000}}, {3100, 0, 0, 0}, 0},
        {"empty table", {}, {0, 0, 0, 0}, 0},
        {"below the top", {{QStringLiteral("Bruno"), 3000}}, {2900, 0, 0, 0}, std::nullopt},
        {"tie with the top", {{QStringLiteral("Bruno"), 3000}}, {3000, 0, 0, 0}, std::nullopt},
        {"same name already on top", {{QStringLiteral(" anonimo "), 3000}}, {3000, 0, 0, 0}, 0},
        {"same name at the top, lower total in this game", {{QStringLiteral("ANONIMO"), 3000}}, {2900, 0, 0, 0},
         std::nullopt},
        {"second human on top", {}, {1000, 2000, 0, 0}, 1},
        {"computer named on top of an edited file", {{QStringLiteral("Andrea (CPU)"), 3000}}, {0, 0, 0, 3000},
         std::nullopt},
    };
    for (const auto& c : cases) {
        GameState state = FinishedGame(c.totals);
        state.Players[1].Name = QStringLiteral("Ugo");
        HighScoreTable table(c.file);
        table.AddFinishedGame(state);
        table.SortByScore();
        EXPECT_EQ(table.RecordHolder(state), c.holder) << c.label;
    }
}

TEST(HighScoreSetUp, FromTheMenuNeverWritesEvenADamagedFile)
{
    TempProgramFolder folder;
    const QByteArray damaged = "Bruno, 900\r\nrotto\r\nAda, 1000\r\n";
    folder.Write(QStringLiteral("Lettrama.HIS"), damaged);
    // The game is over, but the menu only shows the table.
    const HighScoreSetUp setUp = HighScoreSetUp::Run(ProgramFiles(folder.Path()), FinishedGame({4000, 0, 0, 0}), HighScoreMode::ViewOnly);
    EXPECT_EQ(setUp.table.Entries(), (Entries{{QStringLiteral("Ada"), 1000}, {QStringLiteral("Bruno"), 900}}));
    EXPECT_FALSE(setUp.recordHolder.has_value());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), damaged);
}

TEST(HighScoreSetUp, GameOfComputersOnlyRewritesTheTableUnchanged)
{
    TempProgramFolder folder;
    const QByteArray file = "Ada, 1000\r\nBruno, 900\r\n";
    folder.Write(QStringLiteral("Lettrama.HIS"), file);
    GameState state = FinishedGame({0, 9000, 8000, 7000});
    state.Players[0].Name = QStringLiteral("Pinco (CPU)");
    const HighScoreSetUp setUp = HighScoreSetUp::Run(ProgramFiles(folder.Path()), state, HighScoreMode::AfterGame);
    EXPECT_TRUE(setUp.fileWritten);
    EXPECT_FALSE(setUp.recordHolder.has_value());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), file);
}

TEST(HighScoreSetUp, TieWithTheTopIsWrittenBelowIt)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 3000\r\n");
    EXPECT_FALSE(HighScoreSetUp::Run(ProgramFiles(folder.Path()), FinishedGame({3000, 0, 0, 0}), HighScoreMode::AfterGame).recordHolder.has_value());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), QByteArray("Bruno, 3000\r\nANONIMO, 3000\r\n"));
}

TEST(HighScoreSetUp, FileNeverHoldsMoreThan50Lines)
{
    const struct {
        const char* label;
        QByteArray file;
        int human;
        int lines;
        QString last;
    } cases[] = {
        // 50 entries from 5000 down to 4510: a better game pushes the lowest off.
        {"full table, new entry enters", FileOf(50, 5000), 4600, 50, QStringLiteral("P49")},
        {"full table, new entry too low", FileOf(50, 5000), 100, 50, QStringLiteral("P50")},
        {"room for one more", FileOf(49, 5000), 100, 50, QStringLiteral("ANONIMO")},
        {"80 lines of an edited file", FileOf(80, 9000), 100, 50, QStringLiteral("P50")},
        {"empty file", QByteArray(), 100, 1, QStringLiteral("ANONIMO")},
        // The line that does not parse stays below the table.
        {"line without a number", "Ada\r\nBruno, 900\r\n", 100, 3, QStringLiteral("ANONIMO")},
    };
    for (const auto& c : cases) {
        TempProgramFolder folder;
        folder.Write(QStringLiteral("Lettrama.HIS"), c.file);
        HighScoreSetUp::Run(ProgramFiles(folder.Path()), FinishedGame({c.human, 0, 0, 0}), HighScoreMode::AfterGame);
        const QByteArray written = folder.Read(QStringLiteral("Lettrama.HIS"));
        EXPECT_EQ(written.count("\r\n"), c.lines) << c.label;
        const Entries entries = HighScoreFile::Parse(written);
        ASSERT_FALSE(entries.empty()) << c.label;
        EXPECT_EQ(entries.back().Name, c.last) << c.label;
    }
}

TEST(HighScoreSetUp, UnparsedLinesStayBelowTheTableAtTheRewrite)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 40000\r\nAda, 1000\r\n\"rotto, 5\r\n");
    const HighScoreSetUp setUp = HighScoreSetUp::Run(ProgramFiles(folder.Path()), FinishedGame({2000, 0, 0, 0}), HighScoreMode::AfterGame);
    EXPECT_TRUE(setUp.fileWritten);
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")),
              QByteArray("ANONIMO, 2000\r\nAda, 1000\r\nBruno, 40000\r\n\"rotto, 5\r\n"));
}

TEST(HighScoreSetUp, AFileThatCannotBeReadIsReportedAndNeverRewritten)
{
    const struct {
        const char* label;
        bool folderInTheWay;
        qint64 size;  // of a file of valid lines, when there is no folder
    } cases[] = {
        {"folder", true, 0},
        {"over the size limit", false, HighScoreFile::kMaxFileBytes + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempProgramFolder folder;
        QByteArray file;
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("Lettrama.HIS")));
        } else {
            while (file.size() < c.size)
                file += "Ada, 1000\r\n";
            folder.Write(QStringLiteral("Lettrama.HIS"), file);
        }
        const HighScoreSetUp setUp = HighScoreSetUp::Run(ProgramFiles(folder.Path()), FinishedGame({2000, 0, 0, 0}), HighScoreMode::AfterGame);
        EXPECT_FALSE(setUp.fileWritten);
        EXPECT_FALSE(setUp.recordHolder.has_value());
        EXPECT_TRUE(setUp.readError.contains(QStringLiteral("Lettrama.HIS")));
        EXPECT_TRUE(setUp.writeError.contains(QStringLiteral("Lettrama.HIS")));
        if (!c.folderInTheWay) {
            EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), file);
        } else {
            EXPECT_TRUE(QFileInfo(folder.FilePath(QStringLiteral("Lettrama.HIS"))).isDir());
        }
    }
}
