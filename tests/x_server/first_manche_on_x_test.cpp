// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"
#include "platform/ui/qt_dialogs.h"
#include "scoring/ui/results_window.h"
#include "tests/support/run_until.h"
#include "tests/x_server/x_keyboard.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The game's window on the X server with the real dialogs, the player's keys pressed
// through the server.
class FirstMancheOnX : public PlayTest {
protected:
    void SetUp() override
    {
        keys = TestKeyboard();
        if (!keys)
            GTEST_SKIP() << NoXServerReason().toStdString();
        WriteLexicon(1);
        folder.Write(QStringLiteral("LETTRAMA.INI"), "Suono=No\r\nTempo=60\r\nNumeroLettere=10\r\nDizionario= 1\r\n");
        const Platform platform{dialogs, fakes.shell, fakes.http, fakes.wave, fakes.clock, fakes.random, fakes.places};
        window = std::make_unique<MainWindow>(platform, ProgramFiles(folder.Path()), spelling);
        ASSERT_TRUE(window->Startup());
        window->show();
        ASSERT_TRUE(GiveFocus(window.get()));
    }

    // The window goes before the dialogs it was handed.
    void TearDown() override { window.reset(); }

    // Gives `widget`'s window the X focus, as a click on it would.
    static bool GiveFocus(QWidget* widget)
    {
        widget->activateWindow();
        return QTest::qWaitForWindowActive(widget, 5000);
    }

    // Draws the board with the automatic draw and waits until the manche runs.
    void DrawAndStart()
    {
        Press(GameView::DrawButton::Auto);
        ASSERT_TRUE(RunUntil([this] { return Window().MancheClock()->isActive(); }));
        ASSERT_TRUE(View().WordBox(0)->hasFocus());
    }

    QtDialogs dialogs;
    XKeyboard* keys = nullptr;
};

TEST_F(FirstMancheOnX, AltWithALetterTypesNothingIntoTheWordBox)
{
    DrawAndStart();
    QLineEdit* box = View().WordBox(0);
    // V and C are the hidden draw buttons' access keys; the others belong to nothing.
    for (const Qt::Key letter : {Qt::Key_V, Qt::Key_C, Qt::Key_E, Qt::Key_L, Qt::Key_R, Qt::Key_I})
        ASSERT_TRUE(keys->Click(letter, Qt::AltModifier));
    // Plain letters pressed afterwards arrive after the Alt ones.
    ASSERT_TRUE(keys->Type(QStringLiteral("ca")));
    ASSERT_TRUE(RunUntil([box] { return box->text().size() >= 2; }, 5000)) << "the plain letters never arrived";
    EXPECT_EQ(box->text(), QStringLiteral("ca"));
    EXPECT_TRUE(Window().MancheClock()->isActive());
}

TEST_F(FirstMancheOnX, AMenusAccessKeyOpensItFromTheWordBox)
{
    DrawAndStart();
    ASSERT_TRUE(keys->Click(Qt::Key_F, Qt::AltModifier));
    EXPECT_TRUE(RunUntil([] { return QApplication::activePopupWidget() != nullptr; }, 3000)) << "Alt+F";
    ASSERT_TRUE(keys->Click(Qt::Key_Escape));
    EXPECT_TRUE(RunUntil([] { return QApplication::activePopupWidget() == nullptr; }, 3000));
    EXPECT_TRUE(View().WordBox(0)->text().isEmpty());
}

TEST_F(FirstMancheOnX, InputParolaBoxFitsTheScreenAndItsWordIsDrawn)
{
    QRect screen, box, cancel;
    bool answered = false;
    int polls = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // A box that never gets the focus is closed, so that the test ends.
        if (++polls > 500) {
            poll.stop();
            dialog->reject();
            return;
        }
        if (!dialog->isActiveWindow()) {
            dialog->activateWindow();
            return;
        }
        poll.stop();
        screen = dialog->screen()->geometry();
        box = dialog->frameGeometry();
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Annulla"))
                cancel = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        }
        answered = keys->Type(QStringLiteral("castelloar")) && keys->Click(Qt::Key_Return);
    });
    poll.start();
    Press(GameView::DrawButton::InputWord);

    ASSERT_TRUE(answered) << "the input box never got the focus";
    EXPECT_LE(screen.width(), 1024);
    EXPECT_LE(screen.height(), 768);
    EXPECT_TRUE(screen.contains(box)) << "box " << box.x() << "," << box.y() << " " << box.width() << "x"
                                      << box.height();
    EXPECT_FALSE(cancel.isEmpty());
    EXPECT_TRUE(screen.contains(cancel));
    EXPECT_EQ(State().DrawnLetters, QStringLiteral("CASTELLOAR"));
}

TEST_F(FirstMancheOnX, TabLeavesTheResultsTableOfThePlayedManche)
{
    DrawAndStart();
    // The visible finish button's access key, pressed while the word box has the focus.
    ASSERT_TRUE(keys->Click(Qt::Key_T, Qt::AltModifier));
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 20000));
    ASSERT_TRUE(GiveFocus(results));
    auto* table = results->findChild<QTableWidget*>(QStringLiteral("scoreBoard"));
    ASSERT_NE(table, nullptr);

    table->setFocus();
    table->setCurrentCell(0, 0);
    ASSERT_TRUE(keys->Click(Qt::Key_Down));
    EXPECT_TRUE(RunUntil([table] { return table->currentRow() == 1; }, 3000)) << "arrows move inside the table";
    ASSERT_TRUE(keys->Click(Qt::Key_Tab));
    EXPECT_TRUE(RunUntil([table] { return QApplication::focusWidget() != table; }, 3000)) << "Tab";
    table->setFocus();
    ASSERT_TRUE(keys->Click(Qt::Key_Backtab));
    EXPECT_TRUE(RunUntil([table] { return QApplication::focusWidget() != table; }, 3000)) << "Shift+Tab";

    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
}

}  // namespace
