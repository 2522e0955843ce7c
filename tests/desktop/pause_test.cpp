// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_menu.h"
#include "tests/support/main_window_fixture.h"
#include "game/ui/manche_controller.h"
#include "game/ui/pause_control.h"
#include "scoring/ui/results_window.h"
#include "game/core/round_clock.h"
#include "tests/support/run_until.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// P (and "&Pausa") holds a running manche: no second passes, the board and the word
// boxes are hidden so a pause gives no thinking time, and P again goes on.
class PauseTest : public PlayTest {
protected:
    void StartManche()
    {
        Start("Tempo=30");
        DrawTyped(QStringLiteral("CASTELLOAR"));
        ASSERT_TRUE(Window().Manche()->Clock().Running());
    }
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Window().Manche()->Tick();
    }
    PauseControl* Pause() { return Window().Manche()->Pause(); }
    QAction* PauseItem() { return Window().Menu()->Action(MainMenu::Command::Pause); }
    // What a pause hides, and whether each is on screen now.
    std::vector<bool> ShownParts()
    {
        std::vector<bool> shown{Window().Board()->isVisible(), View().BoardTextCopy()->isVisible()};
        for (int slot = 0; slot < 4; ++slot)
            shown.push_back(View().WordBox(slot)->isVisible());
        return shown;
    }
};

TEST_F(PauseTest, PauseHoldsTheClockHidesTheBoardAndResumes)
{
    StartManche();
    QTest::keyClicks(View().WordBox(0), QStringLiteral("cast"));
    const QString typed = View().WordBox(0)->text();
    ASSERT_FALSE(typed.isEmpty());
    Tick(4);
    const std::vector<bool> before = ShownParts();
    ASSERT_EQ(before, std::vector<bool>(6, true));

    Choose(PauseItem());
    EXPECT_TRUE(Pause()->Paused());
    EXPECT_TRUE(PauseItem()->isChecked());
    EXPECT_EQ(ShownParts(), std::vector<bool>(6, false));
    EXPECT_FALSE(View().FinishButton(0)->isEnabled());
    EXPECT_EQ(View().BoardPanel()->title(), PauseControl::kPausedCaption);

    Tick(40);  // far past the end of a 30-second manche
    EXPECT_EQ(State().ElapsedSeconds, 4);
    EXPECT_FALSE(Window().Results()->isVisible());
    // "Finished" cannot be pressed through a pause either.
    Window().Manche()->FinishNow();
    EXPECT_FALSE(Window().Manche()->Clock().FastForwarding());

    Choose(PauseItem());
    EXPECT_FALSE(Pause()->Paused());
    EXPECT_FALSE(PauseItem()->isChecked());
    EXPECT_EQ(ShownParts(), before);
    EXPECT_TRUE(View().FinishButton(0)->isEnabled());
    EXPECT_EQ(View().WordBox(0)->text(), typed);
    Tick();
    EXPECT_EQ(State().ElapsedSeconds, 5);
}

TEST_F(PauseTest, ThePKeyPausesOutsideTheWordBoxAndTypesInsideIt)
{
    StartManche();
    View().WordBox(0)->setFocus();
    QTest::keyClick(View().WordBox(0), Qt::Key_P);
    EXPECT_FALSE(Pause()->Paused());
    EXPECT_TRUE(View().WordBox(0)->text().endsWith(QStringLiteral("P"), Qt::CaseInsensitive));

    // The Pause key works from the word box too; then P resumes.
    QTest::keyClick(View().WordBox(0), Qt::Key_Pause);
    EXPECT_TRUE(Pause()->Paused());
    QTest::keyClick(&Window(), Qt::Key_P);
    EXPECT_FALSE(Pause()->Paused());
}

TEST_F(PauseTest, NoPauseOutsideARunningManche)
{
    struct Row {
        const char* when;
        std::function<void()> reach;
    };
    const Row rows[] = {
        {"before the draw", [this] { Start("Tempo=30"); }},
        {"during the draw", [this] {
             Start("Tempo=30");
             Click(Button(GameView::DrawButton::Auto));
             ASSERT_TRUE(Window().Board()->Drawing());
         }},
        {"after finished", [this] {
             StartManche();
             Window().Manche()->FinishNow();
         }},
        {"during the results", [this] {
             StartManche();
             Tick(30);
             ASSERT_TRUE(Window().Results()->isVisible());
         }},
    };
    for (const Row& row : rows) {
        row.reach();
        Choose(PauseItem());
        EXPECT_FALSE(Pause()->Paused()) << row.when;
        EXPECT_FALSE(PauseItem()->isChecked()) << row.when;
        EXPECT_TRUE(Window().Board()->isVisibleTo(&Window())) << row.when;
        window.reset();
    }
}
