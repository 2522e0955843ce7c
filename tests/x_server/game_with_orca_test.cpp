// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "lexicon/ui/confirm_window.h"
#include "scoring/ui/end_of_game_window.h"
#include "scoring/ui/high_score_window.h"
#include "game/ui/main_menu.h"
#include "game/ui/manche_controller.h"
#include "tests/x_server/orca_log.h"
#include "scoring/ui/results_window.h"
#include "tests/support/run_until.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// How long Orca may take to come up, and to say one thing once it is asked to: on a
// busy machine it works through a backlog of events many seconds long.
constexpr int kOrcaStartMs = 60000;
constexpr int kSpeechMs = 45000;

// A whole 30-second manche played by keyboard with Orca listening, and what Orca said
// of it, read from its own record.
class GameWithOrca : public PlayTest {
protected:
    void SetUp() override
    {
        const QString log = qEnvironmentVariable("LETTERAMA_ORCA_LOG");
        if (log.isEmpty() || !qEnvironmentVariableIsSet("DISPLAY")) {
            const QString why = qEnvironmentVariable("LETTERAMA_ORCA_SKIP", QStringLiteral("not run by run_with_orca.sh"));
            GTEST_SKIP() << "no Orca: " << why.toStdString();
        }
        orca = std::make_unique<OrcaLog>(log);
        // A window shown before Orca listens would never be announced to it.
        ASSERT_TRUE(WaitForOrca()) << "Orca did not start";
        // A best score no game here reaches: the high scores name its holder.
        folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 30000\r\n");
        Start("Tempo=30\r\nNumeroLettere=10");
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 10000));
        // Orca is ready once it has said anything of this window.
        ASSERT_TRUE(orca->WaitForUtterance({window->windowTitle()}, 0, kOrcaStartMs))
            << "Orca never spoke the game's window";
    }

    void TearDown() override { window.reset(); }

    // The modal window on top once it is on screen and active, so Orca has met it.
    template <typename Window>
    static Window* WaitForModal()
    {
        Window* found = nullptr;
        const bool open = RunUntil(
            [&found] {
                found = qobject_cast<Window*>(QApplication::activeModalWidget());
                if (found && !found->isActiveWindow())
                    found->activateWindow();
                return found && found->isActiveWindow();
            },
            20000);
        return open ? found : nullptr;
    }

    bool WaitForOrca() const
    {
        QElapsedTimer clock;
        clock.start();
        while (!orca->Contains(QStringLiteral("Startup complete"))) {
            if (clock.elapsed() > kOrcaStartMs)
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    // One second of the manche, given by the test so that the manche takes 30 ticks
    // but not 30 seconds; Orca has a moment to speak between them.
    void Tick()
    {
        Window().Manche()->Tick();
        QTest::qWait(40);
    }

    std::unique_ptr<OrcaLog> orca;
};

TEST_F(GameWithOrca, HearsTheLettersTheSecondsTheAnnouncementAndTheOwnResult)
{
    qsizetype heard = orca->Utterances().size();
    DrawTyped(QStringLiteral("CASTELLOAR"));
    ASSERT_TRUE(Window().MancheClock()->isActive());
    Window().MancheClock()->stop();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("Lettere estratte: C A S T E L L O A R")}, heard, kSpeechMs))
        << "the letters after the draw";

    QLineEdit* box = View().WordBox(0);
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("locale"));
    heard = orca->Utterances().size();
    for (int second = 1; second <= 20; ++second)
        Tick();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("Mancano 10 secondi"), QStringLiteral("parole annunciate")},
                                       heard, kSpeechMs))
        << "the seconds ten before the end, with the announcement";

    heard = orca->Utterances().size();
    QTest::keyClick(box, Qt::Key_Return);
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 20000));
    results->activateWindow();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("La tua parola: locale, valida")}, heard, kSpeechMs))
        << "the player's own row in the results";
    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();

    const QStringList said = orca->Utterances();
    EXPECT_EQ(CountContaining(said, QStringLiteral("Lettere estratte")), 1) << said.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(CountContaining(said, QStringLiteral("Mancano 10 secondi")), 1);
    EXPECT_EQ(CountContaining(said, QStringLiteral("percent")), 0) << "the time bar is not read every few seconds";
}

TEST_F(GameWithOrca, HearsSingleDrawsTheQuestionThePauseTheMancheTheRecordAndTheGamesPlayed)
{
    // Single letters, each said as it lands; the player draws the next once it is heard.
    qsizetype heard = orca->Utterances().size();
    bool lettersSaid = true;  // once one is missed, the draw goes on without waiting
    for (int letter = 1; letter <= 10; ++letter) {
        Press(letter % 2 == 1 ? GameView::DrawButton::Vowel : GameView::DrawButton::Consonant);
        if (letter < 10 && lettersSaid) {
            lettersSaid = orca->WaitForUtterance({QStringLiteral("Lettera"), QStringLiteral("%1 di 10").arg(letter)},
                                                 heard, kSpeechMs);
            EXPECT_TRUE(lettersSaid) << "single letter " << letter;
        }
    }
    ASSERT_TRUE(Window().MancheClock()->isActive());
    Window().MancheClock()->stop();

    // The pause, said where the focus would otherwise fall on a link picture.
    heard = orca->Utterances().size();
    Window().Menu()->Action(MainMenu::Command::Pause)->trigger();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("Pausa")}, heard, kSpeechMs)) << "the pause";
    Window().Menu()->Action(MainMenu::Command::Pause)->trigger();

    // A word spelt from the letters that no list knows: the question says which word
    // and which choice Enter would confirm.
    const QString unknown = State().DrawnLetters.left(4).toLower();
    QLineEdit* box = View().WordBox(0);
    box->setFocus();
    QTest::keyClicks(box, unknown);
    SetUpState().MancheNumber = 2;
    heard = orca->Utterances().size();
    QTest::keyClick(box, Qt::Key_Return);
    ConfirmWindow* question = WaitForModal<ConfirmWindow>();
    ASSERT_NE(question, nullptr) << "no confirmation for " << unknown.toStdString();
    EXPECT_TRUE(orca->WaitForUtterance({unknown.toUpper(), QStringLiteral("Non inserire nel dizionario personale")},
                                       heard, kSpeechMs))
        << "the word and the option chosen, when the question opens";

    // The results name the manche and the player's total and place.
    heard = orca->Utterances().size();
    QTest::keyClick(question->findChild<QPushButton*>(QStringLiteral("ok")), Qt::Key_Return);
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 20000));
    results->activateWindow();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("Situazione della manche 2/5"), QStringLiteral("totale"),
                                        QStringLiteral("posizione")},
                                       heard, kSpeechMs))
        << "the manche, the total and the place in the results";
    heard = orca->Utterances().size();
    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("Manche 3/5")}, heard, kSpeechMs))
        << "the manche that starts";

    // The last manche, run out at once: the high scores name the best player.
    SetUpState().MancheNumber = 5;
    DrawTyped(QStringLiteral("CASTELLOAR"));
    heard = orca->Utterances().size();
    QTest::keyClick(View().WordBox(0), Qt::Key_Return);
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 20000));
    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    HighScoreWindow* scores = WaitForModal<HighScoreWindow>();
    ASSERT_NE(scores, nullptr);
    EXPECT_TRUE(orca->WaitForUtterance({QStringLiteral("migliore"), QStringLiteral("Bruno")}, heard, kSpeechMs))
        << "the best player's name in the high scores";

    // The games played: this one, read once as the window opens.
    heard = orca->Utterances().size();
    scores->findChild<QPushButton*>(QStringLiteral("backButton"))->click();
    ASSERT_NE(WaitForModal<EndOfGameWindow>(), nullptr);
    const QString game = QStringLiteral("1) ") + State().Players[0].Name.trimmed();
    EXPECT_TRUE(orca->WaitForUtterance({game}, heard, kSpeechMs)) << "the game just played";
    QTest::qWait(2000);
    const QStringList said = orca->Utterances().mid(heard);
    EXPECT_EQ(CountContaining(said, game), 1) << said.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
