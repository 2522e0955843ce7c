// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"
#include "game/ui/main_menu.h"
#include "game/ui/manche_controller.h"
#include "scoring/ui/results_window.h"
#include "game/core/round_clock.h"
#include "tests/support/run_until.h"
#include "lexicon/ui/vocabulary_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// While a modal window of the game is open the manche clock waits: its timer's ticks
// are dropped, and the clock goes on from where it was once the window has closed.
class ModalClockTest : public PlayTest {
protected:
    void StartManche()
    {
        Start("Tempo=30");
        folder.Write(QStringLiteral("USERVOCA.1"), "PRIMA\r\n");
        DrawTyped(QStringLiteral("CASTELLOAR"));
        ASSERT_TRUE(Window().Manche()->Clock().Running());
    }
    // What the window's timer does once a second.
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Window().Manche()->Tick();
    }
};

// The vocabulary editor open when the time runs out: the results window could open
// over it, the player confirm an unknown word, and closing the editor then rewrote the
// vocabulary from its older copy, losing the word.
TEST_F(ModalClockTest, AWordConfirmedAfterTheVocabularyWindowClosedStaysInTheVocabulary)
{
    StartManche();
    QTest::keyClicks(View().WordBox(0), QStringLiteral("tralose"));
    Tick(3);

    Choose(Window().Menu()->Action(MainMenu::Command::EditVocabulary));
    auto* vocabulary = qobject_cast<VocabularyWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(vocabulary, nullptr);
    Tick(60);  // far past the end of a 30-second manche
    EXPECT_EQ(State().ElapsedSeconds, 3);
    EXPECT_FALSE(Window().Results()->isVisible());

    vocabulary->findChild<QPushButton*>(QStringLiteral("backToGame"))->click();
    ASSERT_TRUE(RunUntil([] { return !QApplication::activeModalWidget(); }, 5000));
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.1")), QByteArray("PRIMA\r\n"));

    // The time now runs out; the player adds the unknown word and it scores.
    Window().Results()->SetConfirmation([](const QString&, int) { return 1; });
    Tick(27);
    ASSERT_TRUE(Window().Results()->isVisible());
    ASSERT_TRUE(RunUntil([this] { return Window().Results()->Evaluated(); }, 5000));
    Window().Results()->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.1")), QByteArray("PRIMA\r\nTRALOSE\r\n"));
    EXPECT_EQ(State().TotalScores[0], 700);  // seven letters; the time ran out, so no bonus
}

TEST_F(ModalClockTest, AMessageBoxHoldsTheClockWhichGoesOnByOneTickAfterwards)
{
    StartManche();
    Tick(4);
    int elapsedInside = -1;
    fakes.dialogs.onQuestion = [&](const FakeDialogs::Question&) {
        Tick(10);
        elapsedInside = State().ElapsedSeconds;
    };
    Choose(Window().Menu()->Action(MainMenu::Command::WordRules));
    EXPECT_EQ(elapsedInside, 4);
    EXPECT_EQ(State().ElapsedSeconds, 4);
    Tick();
    EXPECT_EQ(State().ElapsedSeconds, 5);
}
