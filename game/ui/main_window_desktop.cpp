// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_window.h"

#include "game/ui/main_menu.h"
#include "game/ui/manche_controller.h"
#include "game/ui/pause_control.h"

#include <QAction>
#include <QEvent>
#include <QScreen>

#include <algorithm>

// What the main window does as a desktop window of today: the pause key, full
// screen, and following the desktop's palette.

void MainWindow::OnPause()
{
    manche_->Pause()->Toggle();
    // A press that could not pause (no manche running) leaves the item unchecked.
    menu_->Action(MainMenu::Command::Pause)->setChecked(manche_->Pause()->Paused());
}

void MainWindow::OnFullScreen()
{
    // Full screen keeps the maximised state beneath it, so leaving it goes back there.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The window's frame is known only once it is shown: a window that reaches past
    // the screen's room with it is brought within.
    const QScreen* shown = screen();
    if (!shown || isMaximized() || isFullScreen())
        return;
    const QRect available = shown->availableGeometry();
    if (available.contains(frameGeometry()))
        return;
    const QSize decoration = frameSize() - size();
    resize(size().boundedTo(available.size() - decoration));
    move(available.left() + std::max(0, available.width() - frameSize().width()) / 2,
         available.top() + std::max(0, available.height() - frameSize().height()) / 2);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        PaintBoardBackground();
    if (event->type() == QEvent::WindowStateChange)
        menu_->Action(MainMenu::Command::FullScreen)->setChecked(isFullScreen());
}
