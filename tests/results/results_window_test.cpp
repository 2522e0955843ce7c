// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ui/results_window.h"

#include "lexicon/ui/confirm_window.h"
#include "tests/support/fake_spell_checker.h"
#include "tests/results/manche_fixture.h"
#include "platform/core/program_files.h"
#include "tests/support/run_until.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using MancheFixture::Players;

// Polls until `ready` holds, then runs `act` once. Gives up after ten seconds and
// closes every modal window, so a failing test ends instead of hanging.
void WhenReady(std::function<bool()> ready, std::function<void()> act)
{
    auto* poll = new QTimer;
    poll->setInterval(0);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, ready, act] {
        const bool timedOut = clock->elapsed() > 10000;
        if (!ready() && !timedOut)
            return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (timedOut) {
            ADD_FAILURE() << "the awaited window state never came";
            while (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        act();
    });
    poll->start();
}

class ResultsWindowTest : public ::testing::Test {
protected:
    ResultsWindowTest()
    {
        EXPECT_TRUE(MancheFixture::WriteLexicon(folder, 1));
        state.DrawnLetters = MancheFixture::kLetters;
        state.FinishSeconds = 12;
        state.MancheNumber = 2;
        // What the game does once the board is on screen: it judges with the core's
        // engine, row by row, and keeps the totals of each complete board.
        QObject::connect(window, &ResultsWindow::JudgingWanted, [this] {
            ++judgingsWanted;
            if (!judgeAtOnce)
                return;
            ResultsBoardInput input = ResultsBoardInput::OfManche(
                state, LexiconSource::ForLanguage(files, state.Settings.LexiconLanguage), 0, &files);
            input.players = players;
            const QPointer<ResultsWindow> board(window);
            const ResultsBoardOutcome outcome = ResultsBoard::Evaluate(
                input, fake.dialogs, {}, [board](int player, const ResultsBoardRow& row) {
                    if (board)
                        board->ShowVerdict(player, row);
                });
            if (!board)
                return;
            state.TotalScores = outcome.totals;
            lastBoard = outcome;
            board->ShowBoard(outcome);
        });
        QObject::connect(window, &ResultsWindow::ScoreLabelsChanged,
                         [this](const QStringList& labels) { scoreLabels.push_back(labels); });
    }

    // Opens the board for a manche and waits, at most ten seconds, until it has
    // closed; the board, when it was judged to the end.
    std::optional<ResultsBoardOutcome> Run(const std::array<PlayerSlot, GameState::kPlayers>& manchePlayers)
    {
        players = manchePlayers;
        lastBoard.reset();
        const QPointer<ResultsWindow> board(window);
        board->OpenManche(players, state.MancheNumber, state.FoundWords);
        EXPECT_TRUE(RunUntil([board] { return !board || !board->isVisible(); }, 10000));
        return lastBoard;
    }

    // Runs `inspect` on the complete board, then presses "&Continua".
    void WhenEvaluated(std::function<void()> inspect)
    {
        const QPointer<ResultsWindow> board(window);
        WhenReady([board] { return !board || board->Evaluated(); },
                  [this, board, inspect] {
                      if (!board)
                          return;
                      inspect();
                      if (board->isVisible())
                          QTest::mouseClick(ContinueButton(), Qt::LeftButton);
                  });
    }

    template <typename T>
    T* Child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* ContinueButton() const { return Child<QPushButton>("continueButton"); }
    QStringList Row(int player) const
    {
        const auto* board = Child<QTableWidget>("scoreBoard");
        QStringList cells;
        for (int column = 0; column < board->columnCount(); ++column)
            cells.append(board->item(player, column)->text());
        return cells;
    }

    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    FakeSpellChecker speller;
    GameState state;
    std::array<PlayerSlot, GameState::kPlayers> players;
    ResultsWindow* window = new ResultsWindow(fake.platform(), files, speller);
    std::vector<QStringList> scoreLabels;
    std::optional<ResultsBoardOutcome> lastBoard;
    int judgingsWanted = 0;
    bool judgeAtOnce = true;

    ~ResultsWindowTest() override { delete window; }
};

TEST_F(ResultsWindowTest, BoardShowsTheJudgedMancheAndWritesTheTotals)
{
    state.FoundWords = {QStringLiteral("ORA"), QStringLiteral("SALE"), QStringLiteral("CELLA")};
    window->SetFoundWords({QStringLiteral("(3) -   ORA"), QStringLiteral("(4) -   SALE")});
    window->AppendFoundWord(QStringLiteral("(5) -   CELLA"));
    state.TotalScores = {100, 0, 0, 0};

    WhenEvaluated([this] {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Letterama - Punteggi"));
        EXPECT_EQ(Child<QLabel>("heading")->text(), QStringLiteral("Tempo scaduto - Situazione della manche 2/5"));
        const auto* board = Child<QTableWidget>("scoreBoard");
        QStringList headings;
        for (int column = 0; column < board->columnCount(); ++column)
            headings.append(board->horizontalHeaderItem(column)->text());
        EXPECT_EQ(headings, (QStringList{"Giocatore", "Parola inserita", "Valida (SI/NO)", "Punti ora", "Pnt. Tot.",
                                         "Posiz."}));
        EXPECT_EQ(Row(0), (QStringList{"Anonimo", "stella", "SI", "600+480", "1180", "1°"}));
        EXPECT_EQ(Row(1), (QStringList{"Valentina (CPU)", "cella", "SI", "500", "500", "2°"}));
        EXPECT_EQ(Row(2), (QStringList{"Giacomo (CPU)", "sale", "SI", "400", "400", "3°"}));
        EXPECT_EQ(Row(3), (QStringList{"Andrea (CPU)", "", "NO", "0", "0", "4°"}));

        const auto* list = Child<QListWidget>("foundWords");
        EXPECT_EQ(list->toolTip(), QStringLiteral("Elenco delle parole trovate"));
        EXPECT_EQ(window->FoundWordLines(),
                  (QStringList{"(3) -   ORA", "(4) -   SALE", "(5) -   CELLA"}));
        EXPECT_EQ(Child<QLabel>("foundCount")->text(), QStringLiteral("( 3 )"));
        EXPECT_TRUE(ContinueButton()->isEnabled());
        EXPECT_EQ(state.TotalScores, (std::array<int, 4>{1180, 500, 400, 0}));
    });
    const std::optional<ResultsBoardOutcome> outcome = Run(Players("STELLA", "CELLA", "SALE", ""));

    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->rows[0].PointsText(), QStringLiteral("600+480"));
    EXPECT_EQ(state.TotalScores, (std::array<int, 4>{1180, 500, 400, 0}));
    ASSERT_EQ(scoreLabels.size(), 1u);
    EXPECT_EQ(scoreLabels[0], (QStringList{" 1180 (1°)", "  500 (2°)", "  400 (3°)", "    0 (4°)"}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Evaluated());
    EXPECT_TRUE(fake.dialogs.asked.empty());
}

TEST_F(ResultsWindowTest, LongestFoundWordsAreMarkedWithWhereTheHumansWordStands)
{
    // Enough short words that the list must scroll to show the longest.
    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        state.FoundWords.append(QStringLiteral("SALE"));
        lines.append(QStringLiteral("(4) -   SALE"));
    }
    state.FoundWords += {QStringLiteral("CELLA"), QStringLiteral("STELLA"), QStringLiteral("LOCALE")};
    window->SetFoundWords(lines + QStringList{QStringLiteral("(5) -   CELLA"), QStringLiteral("(6) -   STELLA"),
                                              QStringLiteral("(6) -   LOCALE")});
    std::vector<bool> bold;
    QString note;
    bool longestInView = false;
    WhenEvaluated([&] {
        const auto* list = Child<QListWidget>("foundWords");
        for (int i = 60; i < list->count(); ++i)
            bold.push_back(list->item(i)->font().bold());
        EXPECT_FALSE(list->item(0)->font().bold());
        note = Child<QLabel>("longestNote")->text();
        longestInView = list->viewport()->rect().contains(list->visualItemRect(list->item(61)));
    });
    Run(Players("CELLA", "SALE", "", ""));
    EXPECT_EQ(bold, (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(longestInView);
    EXPECT_EQ(note, QStringLiteral("In grassetto le più lunghe: 6 lettere. La tua parola: 5 lettere."));
}

// The first manche's board had no note under the list, so the list was taller: the
// next board opens on its longest words with the last of them whole above the note.
TEST_F(ResultsWindowTest, TheLongestWordsOpenWholeWhenTheLastBoardWasTaller)
{
    WhenEvaluated([] {});
    ASSERT_TRUE(Run(Players("", "", "", "")).has_value());

    QStringList lines;
    for (int i = 0; i < 300; ++i) {
        state.FoundWords.append(QStringLiteral("SALE"));
        lines.append(QStringLiteral("(4) -   SALE"));
    }
    for (const char* word : {"ASCOLTARE", "SCALATORE", "SCOLATERA"}) {
        state.FoundWords.append(QString::fromLatin1(word));
        lines.append(QStringLiteral("(9) -   ") + QString::fromLatin1(word));
    }
    window->SetFoundWords(lines);
    std::vector<QString> cut;
    WhenEvaluated([&] {
        const auto* list = Child<QListWidget>("foundWords");
        ASSERT_FALSE(Child<QLabel>("longestNote")->text().isEmpty());
        for (int i = 300; i < list->count(); ++i) {
            if (!list->viewport()->rect().contains(list->visualItemRect(list->item(i))))
                cut.push_back(list->item(i)->text());
        }
    });
    Run(Players("SALE", "", "", ""));
    EXPECT_TRUE(cut.empty()) << cut.size() << " longest lines cut or out of view, the last " << cut.back().toStdString();
}

TEST_F(ResultsWindowTest, NextMancheStartsFromClearedCellsAndMissingLexiconShowsNoVerdict)
{
    WhenEvaluated([] {});
    ASSERT_TRUE(Run(Players("STELLA", "CELLA", "SALE", "ORA")).has_value());
    const std::array<int, 4> afterFirst = state.TotalScores;

    QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
    state.MancheNumber = 5;
    state.FinishSeconds = 60;
    WhenEvaluated([this, afterFirst] {
        EXPECT_EQ(Child<QLabel>("heading")->text(), QStringLiteral("Tempo scaduto - Situazione a fine partita"));
        EXPECT_EQ(Row(0), (QStringList{"Anonimo", "stella", "", "0", QString::number(afterFirst[0]), "1°"}));
        EXPECT_EQ(Row(3), (QStringList{"Andrea (CPU)", "ora", "", "0", QString::number(afterFirst[3]), "4°"}));
    });
    const std::optional<ResultsBoardOutcome> outcome = Run(Players("STELLA", "CELLA", "SALE", "ORA"));
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(state.TotalScores, afterFirst);
    EXPECT_EQ(fake.dialogs.LastText(), QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.1"));
    EXPECT_EQ(scoreLabels.size(), 2u);
}

TEST_F(ResultsWindowTest, EscapeOnTheCompleteBoardGoesOnLikeContinue)
{
    WhenEvaluated([this] { QTest::keyClick(window, Qt::Key_Escape); });
    const std::optional<ResultsBoardOutcome> outcome = Run(Players("STELLA", "", "", ""));
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(state.TotalScores[0], 1080);
    EXPECT_FALSE(window->Evaluated());
}

TEST_F(ResultsWindowTest, TheBoardIsAskedForOnceAManche)
{
    WhenEvaluated([this] {
        // Shown and painted again: redrawn as it is.
        QShowEvent show;
        QApplication::sendEvent(window, &show);
        window->repaint();
        QApplication::processEvents();
        EXPECT_TRUE(window->Evaluated());
    });
    ASSERT_TRUE(Run(Players("SALE", "CELLA", "", "")).has_value());
    EXPECT_EQ(judgingsWanted, 1);

    WhenEvaluated([] {});
    ASSERT_TRUE(Run(Players("SALE", "CELLA", "", "")).has_value());
    EXPECT_EQ(judgingsWanted, 2);
}

// A new game while the player is asked: the window closes, and the answer given
// meanwhile goes nowhere; the next manche is asked afresh.
TEST_F(ResultsWindowTest, AnAnswerAfterTheWindowStoppedWaitingReachesNobody)
{
    judgeAtOnce = false;
    std::vector<int> answers;
    QObject::connect(window, &ResultsWindow::Confirmed, [&](int choice) { answers.push_back(choice); });
    QObject::connect(window, &ResultsWindow::JudgingWanted,
                     [this] { window->AskConfirmation(QStringLiteral("SALTO"), 0, QStringLiteral("https://a.example/")); });
    window->SetConfirmation([this](const QString&, int) {
        window->Abandon();  // what a new game or a change of language does
        return 1;
    });
    EXPECT_FALSE(Run(Players("SALTO", "", "", "")).has_value());
    QApplication::processEvents();
    EXPECT_TRUE(answers.empty());
    EXPECT_TRUE(scoreLabels.empty());
    EXPECT_FALSE(window->isVisible());

    window->SetConfirmation([](const QString&, int) { return 3; });
    window->OpenManche(Players("SALTO", "", "", ""), 3, {});
    ASSERT_TRUE(RunUntil([&] { return !answers.empty(); }, 10000));
    EXPECT_EQ(answers, std::vector<int>{3});
    EXPECT_EQ(judgingsWanted, 2);
    window->Abandon();
}

}  // namespace
