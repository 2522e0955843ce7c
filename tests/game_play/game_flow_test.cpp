// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "scoring/ui/end_of_game_window.h"
#include "game/ui/fill_strip.h"
#include "scoring/ui/high_score_window.h"
#include "model/language.h"
#include "game/ui/main_menu.h"
#include "game/ui/manche_controller.h"
#include "scoring/ui/results_window.h"
#include "tests/support/run_until.h"
#include "scoring/core/score_format.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the game's modal windows as a player would, for as long as it lives: the
// results board once it is complete, the high scores, the end-of-game question.
class ModalPlayer : public QObject {
public:
    std::function<void(ResultsWindow&)> onResults = [](ResultsWindow& results) {
        results.findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    };
    std::function<void(EndOfGameWindow&)> onEndOfGame = [](EndOfGameWindow& window) {
        window.findChild<QPushButton*>(QStringLiteral("yesButton"))->click();
    };
    int resultsShown = 0;
    int highScoresShown = 0;
    QStringList topRowOfScores;  // the grid's first row as the high-score window showed it
    int endOfGameShown = 0;

    ModalPlayer()
    {
        poll_.setInterval(1);
        connect(&poll_, &QTimer::timeout, this, [this] { Answer(); });
        poll_.start();
    }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == answered_)
            return;
        if (auto* results = qobject_cast<ResultsWindow*>(modal)) {
            if (!results->Evaluated())
                return;
            answered_ = modal;
            ++resultsShown;
            onResults(*results);
        } else if (qobject_cast<HighScoreWindow*>(modal)) {
            answered_ = modal;
            ++highScoresShown;
            if (const auto* grid = modal->findChild<QTableWidget*>(QStringLiteral("scoreGrid"))) {
                topRowOfScores.clear();
                for (int column = 0; grid->rowCount() > 0 && column < grid->columnCount(); ++column)
                    topRowOfScores.append(grid->item(0, column) ? grid->item(0, column)->text().trimmed() : QString());
            }
            modal->close();
        } else if (auto* end = qobject_cast<EndOfGameWindow*>(modal)) {
            answered_ = modal;
            ++endOfGameShown;
            onEndOfGame(*end);
        }
        // Another opening of the same window is answered again.
        QTimer::singleShot(50, this, [this] { answered_ = nullptr; });
    }

    QTimer poll_;
    QWidget* answered_ = nullptr;
};

}  // namespace

class GameFlowTest : public PlayTest {
protected:
    // One manche: the letters from the typed string, the human's word typed, Enter,
    // then the clock runs out at once and the results come. Returns when the board
    // waits for the next draw (or a new game has begun).
    void PlayManche(const QString& word)
    {
        const int manche = State().MancheNumber;
        DrawTyped(QStringLiteral("CASTELLOAR"));
        ASSERT_TRUE(Window().MancheClock()->isActive());
        QTest::keyClicks(View().WordBox(0), word);
        QTest::keyClick(View().WordBox(0), Qt::Key_Return);
        // After the fifth manche the high scores and the end of game follow the results.
        ASSERT_TRUE(RunUntil(
            [&] {
                return (View().DrawPanel()->isVisible() && !QApplication::activeModalWidget()) ||
                       !Window().isVisible();
            },
            10000))
            << manche;
    }

    ModalPlayer player;
};

TEST_F(GameFlowTest, FiveManchesEndWithTheHighScoresTheListOfGamesAndANewGame)
{
    Start("Tempo=30");
    std::array<int, 4> finalTotals{};
    player.onEndOfGame = [&](EndOfGameWindow& window) {
        finalTotals = State().TotalScores;
        window.findChild<QPushButton*>(QStringLiteral("yesButton"))->click();
    };
    for (int manche = 1; manche <= 5; ++manche) {
        PlayManche(QStringLiteral("locale"));
        if (manche < 5) {
            EXPECT_EQ(View().MancheLabel()->text(), QStringLiteral("Manche %1/5").arg(manche + 1));
            EXPECT_EQ(View().BoardPanel()->title(), QStringLiteral("Cliccare bottoni estrazione"));
            EXPECT_FALSE(View().WordBox(0)->isEnabled());
            // Ended at once: 600 points and 600 of bonus for the only six-letter word.
            EXPECT_EQ(State().TotalScores[0], 1200 * manche);
        }
    }
    EXPECT_EQ(player.resultsShown, 5);
    EXPECT_EQ(player.highScoresShown, 1);
    EXPECT_EQ(player.endOfGameShown, 1);
    EXPECT_EQ(finalTotals[0], 6000);

    EXPECT_EQ(View().MancheLabel()->text(), QStringLiteral("Manche 1/5"));
    EXPECT_EQ(State().MancheNumber, 1);
    EXPECT_EQ(State().TotalScores, (std::array<int, 4>{}));
    EXPECT_EQ(View().BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    EXPECT_TRUE(View().NameBox(0)->isEnabled());

    const QString scores = QString::fromLatin1(folder.Read(QStringLiteral("Lettrama.HIS")));
    EXPECT_TRUE(scores.startsWith(QStringLiteral("Anonimo, 6000\r\n"))) << scores.toStdString();
    EXPECT_FALSE(scores.contains(QStringLiteral("(CPU)")));
    ASSERT_EQ(player.topRowOfScores.size(), 3);
    EXPECT_EQ(player.topRowOfScores[1], QStringLiteral("Anonimo"));
    EXPECT_EQ(player.topRowOfScores[2], FormatScore(6000).trimmed());

    EndOfGameWindow* end = Window().Manche()->EndOfGame();
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->GamesPlayed(), 1);
    const auto* games = end->findChild<QListWidget*>();
    ASSERT_NE(games, nullptr);
    // One entry of two lines: the names, then the totals.
    ASSERT_EQ(games->count(), 1);
    const QStringList lines = games->item(0)->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Anonimo")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("6000")));

    // The next game starts from its own draw.
    Press(GameView::DrawButton::Auto);
    EXPECT_TRUE(Window().MancheClock()->isActive());
}

TEST_F(GameFlowTest, ComputersAnnounceIntoTheirMaskedBoxesAndTheClockPaintsTheBar)
{
    Start("Tempo=30\r\nLivello=Medio");
    fakes.random.fallback = 0.0;  // every pick takes the first word found
    std::array<QString, 4> words;
    player.onResults = [&](ResultsWindow& results) {
        for (int slot = 0; slot < 4; ++slot)
            words[slot] = View().WordBox(slot)->text();
        EXPECT_EQ(results.FoundWordLines().value(0), QStringLiteral("(3) -   ORA"));
        results.findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    };
    DrawTyped(QStringLiteral("CASTELLOAR"));
    for (int second = 1; second <= 3; ++second)
        Window().Manche()->Tick();
    EXPECT_EQ(View().TimeLabel()->text(), QStringLiteral("3 / 30 Sec."));
    EXPECT_EQ(View().TimeBar()->Boxes().size(), 3u);
    View().FinishButton(0)->click();
    EXPECT_EQ(State().FinishSeconds, 3);
    ASSERT_TRUE(RunUntil([&] { return player.resultsShown == 1; }, 10000));
    EXPECT_EQ(words, (std::array<QString, 4>{QString(), "ORA", "ORA", "ORA"}));
    for (int slot = 1; slot < 4; ++slot)
        EXPECT_EQ(View().WordBox(slot)->echoMode(), QLineEdit::Password);
}

struct InterruptRow {
    const char* what;
    std::function<void(MainWindow&)> act;
    bool windowClosed;
    bool asksToGiveUp = false;  // the game has a score by now: the player says yes
};

class ResultsInterruptedRows : public GameFlowTest, public ::testing::WithParamInterface<InterruptRow> {};

TEST_P(ResultsInterruptedRows, NothingOfTheInterruptedMancheIsWrittenAfterwards)
{
    const InterruptRow row = GetParam();
    Start("Tempo=30");
    WriteLexicon(2);
    if (row.asksToGiveUp)
        fakes.dialogs.answers.push_back(Dialogs::Answer::Yes);
    player.onResults = [&](ResultsWindow&) { row.act(Window()); };
    PlayManche(QStringLiteral("locale"));
    EXPECT_EQ(player.resultsShown, 1);
    if (row.windowClosed) {
        // The program is ending: the game stays where it was, no next manche.
        EXPECT_EQ(State().MancheNumber, 1);
        EXPECT_FALSE(Window().MancheClock()->isActive());
    } else {
        EXPECT_EQ(State().MancheNumber, 1);
        EXPECT_EQ(View().MancheLabel()->text(), QStringLiteral("Manche 1/5"));
        EXPECT_EQ(State().TotalScores, (std::array<int, 4>{}));
        EXPECT_EQ(View().BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ResultsInterruptedRows,
    ::testing::Values(InterruptRow{"new game", [](MainWindow& w) { w.NewGame(); }, false},
                      InterruptRow{"language", [](MainWindow& w) { w.Menu()->LanguageItem(2)->trigger(); }, false,
                                   true},
                      InterruptRow{"close", [](MainWindow& w) { w.close(); }, true, true}));

TEST_F(GameFlowTest, FirstClickOnTheBoardGivesTheNewGameHintOnce)
{
    Start();
    QTest::mouseClick(Window().Board(), Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(5, 5));
    QTest::mouseClick(Window().Board(), Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(5, 5));
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{"Premi il tasto <F2> per nuova partita"});
}

// ---- A game with a score is given up only on a yes ----

struct GiveUpRow {
    const char* what;
    std::function<void(MainWindow&)> act;
    bool endsTheProgram = false;  // on a game without a score it goes ahead at once
};

class GiveUpRows : public GameFlowTest, public ::testing::WithParamInterface<GiveUpRow> {};

TEST_P(GiveUpRows, AreAskedFirstOnceTheGameHasAScoreAndNoKeepsIt)
{
    const GiveUpRow& row = GetParam();
    Start();
    Window().show();
    WriteLexicon(2);
    // No point yet: nothing to lose, nothing asked.
    if (!row.endsTheProgram) {
        row.act(Window());
        EXPECT_TRUE(fakes.dialogs.asked.empty()) << row.what;
        Window().NewGame();
    }
    SetUpState().MancheNumber = 2;
    SetUpState().TotalScores = {700, 500, 0, 300};
    const Language language = State().Settings.LexiconLanguage;
    row.act(Window());  // unscripted, the question takes its default: No
    ASSERT_EQ(fakes.dialogs.asked.size(), 1u) << row.what;
    EXPECT_EQ(fakes.dialogs.asked.back().kind, QStringLiteral("yesno-default-no"));
    EXPECT_EQ(fakes.dialogs.asked.back().text, MainWindow::kGiveUpGameQuestion);
    EXPECT_EQ(State().TotalScores, (std::array<int, 4>{700, 500, 0, 300})) << row.what;
    EXPECT_EQ(State().MancheNumber, 2);
    EXPECT_EQ(State().Settings.LexiconLanguage, language);
    EXPECT_FALSE(Window().EndRequested());
    EXPECT_TRUE(Window().isVisible()) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GiveUpRows,
    // F2 and Ctrl+N are the keys of "&Nuova Partita", Ctrl+Q of "&Fine".
    ::testing::Values(GiveUpRow{"new game",
                                [](MainWindow& w) { w.Menu()->Action(MainMenu::Command::NewGame)->trigger(); }},
                      GiveUpRow{"quit", [](MainWindow& w) { w.Menu()->Action(MainMenu::Command::Quit)->trigger(); },
                                true},
                      GiveUpRow{"title-bar close", [](MainWindow& w) { w.close(); }, true},
                      GiveUpRow{"another language", [](MainWindow& w) {
                                    const bool italian = w.State().Settings.LexiconLanguage == Language::Italian;
                                    w.Menu()->LanguageItem(italian ? 2 : 1)->trigger();
                                }}));

