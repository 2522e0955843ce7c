// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"

#include "manche_controller.h"
#include "orca_log.h"
#include "results_window.h"
#include "run_until.h"

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
        Start("Tempo=30\r\nNumeroLettere=10");
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 10000));
        // Orca is ready once it has said anything of this window.
        ASSERT_TRUE(orca->WaitForUtterance({window->windowTitle()}, 0, kOrcaStartMs))
            << "Orca never spoke the game's window";
    }

    void TearDown() override { window.reset(); }

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
        Window().Manche()->Clock().ClockTick();
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

}  // namespace
