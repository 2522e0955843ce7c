// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/results_judging.h"

#include "game/core/game.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/ui/confirm_window.h"
#include "model/language.h"
#include "platform/core/program_files.h"
#include "scoring/ui/results_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "tests/support/run_until.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A game over the ten letters CASTELLOAR, typed (so CASTELLO copies the start of the
// string), its results window and the link between them, as the main window has
// them: the game's messages go to the platform's dialogs.
struct ResultsJudgingTest : ::testing::Test {
    QTemporaryDir lexiconFolder;
    QTemporaryDir programFolder;
    ProgramFiles files{programFolder.path()};
    FakePlatform fake;
    FakeSpellChecker speller;
    std::unique_ptr<Game> game;
    ResultsWindow* window = nullptr;
    std::unique_ptr<ResultsJudging> judging;
    std::vector<QStringList> scoreLabels;
    int boardsJudged = 0;

    void SetUp() override
    {
        const QString path = QDir(lexiconFolder.path()).filePath(QStringLiteral("SLESSICO.1"));
        std::array<QStringList, kLexiconListCount> lists;
        for (const QString word : {"ORA", "SALE", "CELLA", "STELLA", "LOCALE", "CASTELLO"})
            lists[word.size() - 3].append(word);
        ASSERT_TRUE(WriteLexiconFile(path, ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian))));
        GameSettings settings;
        settings.LetterCount = 10;
        settings.RoundSeconds = 60;
        settings.SoundOn = false;
        game = std::make_unique<Game>(settings, LexiconSource{Language::Italian, path, LexiconWords::Load(path)},
                                      Game::Services{fake.random, files, fake.wave});
        QObject::connect(game.get(), &Game::told, [this](const QString& text) { fake.dialogs.Inform(text); });
        QObject::connect(game.get(), &Game::mancheJudged, [this](const ResultsBoardOutcome&) { ++boardsJudged; });
        game->NewGame();
        window = new ResultsWindow(fake.platform(), files, speller);
        QObject::connect(window, &ResultsWindow::ScoreLabelsChanged,
                         [this](const QStringList& labels) { scoreLabels.push_back(labels); });
        judging = std::make_unique<ResultsJudging>(*game, *window);
    }

    void TearDown() override
    {
        judging.reset();
        delete window;
    }

    // Plays a manche to its end with the human's `word`, finished at second 12: the
    // results window opens on it.
    void EndManche(const QString& word)
    {
        game->DrawTypedWord(QStringLiteral("CASTELLOAR"));
        ASSERT_EQ(game->CurrentPhase(), Game::Phase::Drawn);
        game->StartClock();
        for (int second = 0; second < 12; ++second)
            game->Tick();
        ASSERT_TRUE(game->EnterWord(0, word));
        game->FinishNow();
        for (int tick = 0; tick < 200 && game->CurrentPhase() == Game::Phase::Playing; ++tick)
            game->Tick();
        ASSERT_EQ(game->CurrentPhase(), Game::Phase::Judging);
    }

    bool WaitForBoard() const
    {
        const QPointer<ResultsWindow> board(window);
        return RunUntil([board] { return !board || board->Evaluated() || !board->isVisible(); }, 10000) && board &&
               board->Evaluated();
    }

    QStringList Row(int player) const
    {
        const auto* board = window->findChild<QTableWidget*>(QStringLiteral("scoreBoard"));
        QStringList cells;
        for (int column = 0; column < board->columnCount(); ++column)
            cells.append(board->item(player, column)->text());
        return cells;
    }
};

// The board the player sees is the game's own, judged once: its rows, its totals and
// the score labels, after a word put to the player in the confirmation window.
TEST_F(ResultsJudgingTest, AConfirmedUnknownWordCountsOnceAndTheWindowShowsTheGamesBoard)
{
    bool continueEnabledDuringQuestion = true;
    QString wordAsked;
    EndManche(QStringLiteral("salto"));
    ASSERT_TRUE(RunUntil([] { return qobject_cast<ConfirmWindow*>(QApplication::activeModalWidget()); }, 10000));
    auto* confirm = qobject_cast<ConfirmWindow*>(QApplication::activeModalWidget());
    continueEnabledDuringQuestion = window->findChild<QPushButton*>(QStringLiteral("continueButton"))->isEnabled();
    wordAsked = confirm->findChild<QLabel*>(QStringLiteral("wordLabel"))->text();
    QTest::mouseClick(confirm->findChild<QRadioButton*>(QStringLiteral("option1")), Qt::LeftButton);
    QTest::mouseClick(confirm->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    ASSERT_TRUE(WaitForBoard());

    EXPECT_FALSE(continueEnabledDuringQuestion);
    EXPECT_EQ(wordAsked, QStringLiteral("SALTO"));
    EXPECT_EQ(files.ReadAll(QStringLiteral("USERVOCA.1")).value_or(QByteArray()), QByteArray("SALTO\r\n"));
    EXPECT_EQ(boardsJudged, 1);
    ASSERT_TRUE(game->LastBoard().has_value());
    const ResultsBoardOutcome& board = *game->LastBoard();
    EXPECT_EQ(board.totals, game->TotalScores());
    EXPECT_EQ(board.rows[0].wordPoints, 500);
    EXPECT_EQ(Row(0).mid(0, 3), (QStringList{"Anonimo", "salto", "SI"}));
    for (int player = 0; player < GameState::kPlayers; ++player) {
        SCOPED_TRACE(player);
        const ResultsBoardRow& row = board.rows[player];
        EXPECT_EQ(Row(player), (QStringList{row.name, row.word.toLower(), row.ValidityText(), row.PointsText(),
                                            QString::number(row.total), RoundScoring::RankText(row.rank)}));
    }
    ASSERT_EQ(scoreLabels.size(), 1u);
    EXPECT_EQ(scoreLabels[0], board.ScoreLabels());

    // "&Continua": the next manche, where the last option chosen is offered first.
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("continueButton")), Qt::LeftButton);
    EXPECT_EQ(game->MancheNumber(), 2);
    int offered = -1;
    window->SetConfirmation([&](const QString&, int previousChoice) {
        offered = previousChoice;
        return 3;
    });
    EndManche(QStringLiteral("resto"));
    ASSERT_TRUE(WaitForBoard());
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(boardsJudged, 2);
    EXPECT_EQ(game->TotalScores(), game->LastBoard()->totals);
    EXPECT_EQ(scoreLabels.back(), game->LastBoard()->ScoreLabels());
}

TEST_F(ResultsJudgingTest, AWordThatCouldNotBeAddedIsToldOverTheCompleteBoard)
{
    ASSERT_TRUE(QDir(programFolder.path()).mkdir(QStringLiteral("USERVOCA.1")));  // nothing can be appended
    window->SetConfirmation([](const QString&, int) { return 1; });
    bool boardCompleteWhenTold = false;
    fake.dialogs.onQuestion = [this, &boardCompleteWhenTold](const FakeDialogs::Question&) {
        boardCompleteWhenTold = window->Evaluated();
    };
    EndManche(QStringLiteral("salto"));
    ASSERT_TRUE(WaitForBoard());
    ASSERT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_TRUE(fake.dialogs.LastText().contains(QStringLiteral("SALTO")));
    EXPECT_TRUE(fake.dialogs.LastText().contains(QStringLiteral("vocabolario personale")));
    EXPECT_TRUE(boardCompleteWhenTold);
    EXPECT_EQ(game->LastBoard()->rows[0].wordPoints, 500);  // the choice still counts in this manche
}

TEST_F(ResultsJudgingTest, NewGameDuringTheQuestionCountsNothing)
{
    window->SetConfirmation([this](const QString&, int) {
        game->NewGame();
        return 1;
    });
    EndManche(QStringLiteral("salto"));
    ASSERT_TRUE(RunUntil([this] { return !window->isVisible(); }, 10000));
    QApplication::processEvents();
    EXPECT_EQ(boardsJudged, 0);
    EXPECT_EQ(game->TotalScores(), Game::Totals{});
    EXPECT_TRUE(scoreLabels.empty());
    EXPECT_FALSE(QFile::exists(QDir(programFolder.path()).filePath(QStringLiteral("USERVOCA.1"))));
    EXPECT_EQ(game->CurrentPhase(), Game::Phase::Drawing);

    // The window is ready for the next manche.
    window->SetConfirmation([](const QString&, int) { return 3; });
    EndManche(QStringLiteral("salto"));
    ASSERT_TRUE(WaitForBoard());
    EXPECT_EQ(boardsJudged, 1);
}

// The message about the copied word is open when the window is closed, or destroyed
// with its owner: the half-judged board counts for nothing.
TEST_F(ResultsJudgingTest, ClosingOrDestroyingTheBoardDuringAMessageCountsNothing)
{
    fake.dialogs.onQuestion = [this](const FakeDialogs::Question&) { window->reject(); };
    EndManche(QStringLiteral("CASTELLO"));
    ASSERT_TRUE(RunUntil([this] { return fake.dialogs.asked.size() == 1 && !window->isVisible(); }, 10000));
    QApplication::processEvents();
    EXPECT_EQ(boardsJudged, 0);
    EXPECT_EQ(game->TotalScores(), Game::Totals{});
    EXPECT_EQ(game->MancheNumber(), 2);  // given up, the manche moves on

    fake.dialogs.onQuestion = [this](const FakeDialogs::Question&) {
        delete window;
        window = nullptr;
    };
    EndManche(QStringLiteral("CASTELLO"));
    ASSERT_TRUE(RunUntil([this] { return window == nullptr; }, 10000));
    QApplication::processEvents();
    EXPECT_EQ(boardsJudged, 0);
    EXPECT_EQ(game->TotalScores(), Game::Totals{});
    EXPECT_TRUE(scoreLabels.empty());
    EXPECT_EQ(fake.dialogs.asked.size(), 2u);
}

}  // namespace
