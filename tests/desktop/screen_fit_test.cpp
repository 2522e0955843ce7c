// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/about_window.h"
#include "lexicon/ui/confirm_window.h"
#include "game/ui/link_picture.h"
#include "scoring/ui/end_of_game_window.h"
#include "scoring/ui/high_score_window.h"
#include "tests/support/main_window_fixture.h"
#include "scoring/ui/results_window.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

// Run on a 1024 x 768 screen and on a 1920 x 1080 screen at twice the scale (CTest
// gives each its screen): every window of the game fits the room the screen has, and
// the way back of the high-score window stays in reach.
class ScreenFitTest : public PlayTest {
protected:
    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static void ExpectFits(QWidget* window, const char* what)
    {
        window->show();
        QApplication::processEvents();
        const QRect available = Available();
        EXPECT_LE(window->minimumSizeHint().width(), available.width()) << what;
        EXPECT_LE(window->minimumSizeHint().height(), available.height()) << what;
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << what << ": " << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " on "
            << available.width() << "x" << available.height();
    }
};

TEST_F(ScreenFitTest, EveryGameWindowFitsTheScreen)
{
    // A desktop's own font is larger than the bare default, and everything grows with
    // it: the game must still fit, scrolling inside its window where it must.
    QFont desktopFont = QApplication::font();
    desktopFont.setPointSizeF(11);
    QApplication::setFont(desktopFont);
    Start();
    ExpectFits(&Window(), "main window");
    // The way to the maker's pages, at the bottom, is still within reach.
    QWidget* link = View().OnlineLink();
    ASSERT_TRUE(link->isVisibleTo(&Window()));
    Window().showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(Available().contains(Window().frameGeometry()));

    HighScoreWindow* scores = HighScoreWindow::OpenFromMenu(State(), fakes.platform(), Window().Files(), &Window());
    ExpectFits(scores, "high scores");
    auto* back = scores->findChild<QPushButton*>(QStringLiteral("backButton"));
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isVisible());
    EXPECT_TRUE(scores->rect().contains(QRect(back->mapTo(scores, QPoint(0, 0)), back->size())));
    scores->close();

    EndOfGameWindow endOfGame(&Window());
    ExpectFits(&endOfGame, "end of game");
    ExpectFits(Window().Results(), "results");
    Window().Results()->hide();
    AboutWindow about(fakes.shell, fakes.dialogs, SiteAddress(), Window().Files(), &Window());
    ExpectFits(&about, "about");
    ConfirmWindow question(fakes.shell, spelling, Window().Files(), &Window());
    question.Ask(QStringLiteral("ZORBATO"), 3);
    ExpectFits(&question, "confirmation");
    question.reject();
}
