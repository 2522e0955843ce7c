// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_menu.h"
#include "tests/support/main_window_fixture.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include <gtest/gtest.h>

class DesktopKeysTest : public PlayTest {};

// The keys of every desktop game, beside the game's own: each reaches its item, and
// the first key of each shows in the menu.
TEST_F(DesktopKeysTest, EveryStandardKeyBelongsToItsItem)
{
    Start();
    using Command = MainMenu::Command;
    struct Row {
        Command command;
        QKeySequence key;
        QKeySequence shown;
    };
    const Row rows[] = {
        {Command::NewGame, QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)},
        {Command::NewGame, QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F2)},
        {Command::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Command::Help, QKeySequence(Qt::Key_F1), QKeySequence(Qt::Key_F1)},
        {Command::HighScores, QKeySequence(Qt::CTRL | Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)},
        {Command::FullScreen, QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_F11)},
        {Command::Pause, QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_P)},
    };
    for (const Row& row : rows) {
        QAction* item = Window().Menu()->Action(row.command);
        EXPECT_TRUE(item->shortcuts().contains(row.key)) << row.key.toString().toStdString();
        EXPECT_EQ(item->shortcut(), row.shown) << row.key.toString().toStdString();
    }
    // No key is given to two items.
    QList<QKeySequence> seen;
    for (QAction* action : Window().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(seen.contains(key)) << key.toString().toStdString();
            seen.append(key);
        }
    }
}

TEST_F(DesktopKeysTest, F11GoesFullScreenAndBackToTheMaximisedWindow)
{
    Start();
    Window().showMaximized();
    QAction* fullScreen = Window().Menu()->Action(MainMenu::Command::FullScreen);
    Choose(fullScreen);
    EXPECT_TRUE(Window().isFullScreen());
    EXPECT_TRUE(fullScreen->isChecked());
    Choose(fullScreen);
    EXPECT_FALSE(Window().isFullScreen());
    EXPECT_TRUE(Window().isMaximized());
    EXPECT_FALSE(fullScreen->isChecked());
}
