// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/main_menu.h"
#include "game/ui/manche_controller.h"
#include "scoring/ui/results_window.h"
#include "tests/support/run_until.h"
#include "game/ui/spoken_announcer.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Draw = GameView::DrawButton;

const QString kLetters = QStringLiteral("Lettere estratte: C A S T E L L O A R");

class SpokenManche : public PlayTest {
protected:
    // The letters drawn from a typed string; the window's timer stopped, so that the
    // test gives the ticks itself.
    void DrawAndHoldTheClock(const QByteArray& settings)
    {
        Start(settings);
        DrawTyped(QStringLiteral("CASTELLOAR"));
        ASSERT_TRUE(Window().MancheClock()->isActive());
        Window().MancheClock()->stop();
    }

    // One second of the manche, and what the spoken line says of it.
    void Tick()
    {
        Window().Manche()->Tick();
        QTest::qWait(1);
    }

    QStringList Spoken() { return View().SpokenLine()->Spoken(); }

    void ActivateWindow()
    {
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
};

struct SpokenRow {
    const char* settings;
    int ticks;
    QStringList spoken;
};

class SpokenSeconds : public SpokenManche, public ::testing::WithParamInterface<SpokenRow> {};

TEST_P(SpokenSeconds, LettersOnceThenThirtyAndTenBeforeTheEndWithTheAnnouncement)
{
    const SpokenRow& row = GetParam();
    DrawAndHoldTheClock(row.settings);
    for (int second = 1; second <= row.ticks; ++second)
        Tick();
    EXPECT_EQ(Spoken(), row.spoken) << row.settings;
}

// Every computer announces the first word found, ORA; its length is said, not the word.
const QString kTenAndAnnounced = QStringLiteral(
    "Mancano 10 secondi. Giocatori 2, 3 e 4: parole annunciate. "
    "Giocatore 2: 3 lettere; giocatore 3: 3 lettere; giocatore 4: 3 lettere");

INSTANTIATE_TEST_SUITE_P(
    Manches, SpokenSeconds,
    ::testing::Values(SpokenRow{"Tempo=30", 29, {kLetters, kTenAndAnnounced}},
                      SpokenRow{"Tempo=60", 59, {kLetters, QStringLiteral("Mancano 30 secondi"), kTenAndAnnounced}},
                      SpokenRow{"Tempo=90", 89, {kLetters, QStringLiteral("Mancano 30 secondi"), kTenAndAnnounced}},
                      SpokenRow{"Tempo=32000", 95, {kLetters}}));

TEST_F(SpokenManche, OneComputerPlayerIsNamedAlone)
{
    Start("Tempo=30");
    View().NameBox(1)->setText(QStringLiteral("Valentina"));
    View().NameBox(2)->setText(QStringLiteral("Giacomo"));
    DrawTyped(QStringLiteral("CASTELLOAR"));
    Window().MancheClock()->stop();
    for (int second = 1; second <= 20; ++second)
        Tick();
    EXPECT_TRUE(Spoken().value(1).startsWith(
        QStringLiteral("Mancano 10 secondi. Giocatore 4: parola annunciata. Giocatore 4: ")))
        << Spoken().value(1).toStdString();
}

TEST_F(SpokenManche, TimeKeyFromTheWordBoxSaysTheSecondsLeft)
{
    DrawAndHoldTheClock("Tempo=60");
    ActivateWindow();
    for (int second = 1; second <= 12; ++second)
        Tick();
    QLineEdit* box = View().WordBox(0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(RunUntil([this] { return Spoken().size() == 2; }, 2000));
    EXPECT_EQ(Spoken().back(), QStringLiteral("Mancano 48 secondi"));
    EXPECT_TRUE(box->text().isEmpty()) << "the key types nothing";

    const auto items = Window().Menu()->HelpMenu()->actions();
    const bool inTheMenu = std::any_of(items.begin(), items.end(), [](QAction* item) {
        return item->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_T);
    });
    EXPECT_TRUE(inTheMenu) << "the key is shown in the \"&?\" menu";
}

TEST_F(SpokenManche, NothingIsSaidWhileTheTimeRunsOutAfterFinished)
{
    DrawAndHoldTheClock("Tempo=60");
    for (int second = 1; second <= 5; ++second)
        Tick();
    QTest::keyClick(View().WordBox(0), Qt::Key_Return);
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 10000));
    EXPECT_EQ(Spoken(), QStringList{kLetters});
    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
}

TEST_F(SpokenManche, ResultsOpenOnTheMancheThenTheOwnRowWithTotalAndPlace)
{
    DrawAndHoldTheClock("Tempo=30");
    QTest::keyClicks(View().WordBox(0), QStringLiteral("locale"));
    QTest::keyClick(View().WordBox(0), Qt::Key_Return);
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 10000));
    auto* next = results->findChild<QPushButton*>(QStringLiteral("continueButton"));
    EXPECT_EQ(results->focusWidget(), next);
    EXPECT_TRUE(next->accessibleName().startsWith(
        QStringLiteral("Tempo scaduto - Situazione della manche 1/5. La tua parola: locale, valida, ")))
        << next->accessibleName().toStdString();
    EXPECT_TRUE(next->accessibleName().contains(QStringLiteral("posizione 1")));
    EXPECT_TRUE(next->accessibleName().endsWith(QStringLiteral("Continua")));
    next->click();
}

// ---- Where the focus goes between manches ----

TEST_F(SpokenManche, EnterAfterTheResultsCloseDoesNotOpenTheBrowser)
{
    DrawAndHoldTheClock("Tempo=30");
    ActivateWindow();
    ASSERT_TRUE(View().WordBox(0)->hasFocus());
    QTest::keyClick(View().WordBox(0), Qt::Key_Return);
    ResultsWindow* results = Window().Results();
    ASSERT_TRUE(RunUntil([results] { return results->isVisible() && results->Evaluated(); }, 10000));
    results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
    ASSERT_TRUE(RunUntil([this] { return View().DrawPanel()->isVisible() && !QApplication::activeModalWidget(); }));
    ActivateWindow();

    QWidget* focused = Window().focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused, Button(Draw::Auto));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(focused, key);
    EXPECT_TRUE(fakes.shell.opened.isEmpty()) << fakes.shell.opened.join(QLatin1Char(' ')).toStdString();
}

TEST_F(SpokenManche, NewGameLeavesTheFocusOnTheFirstDrawButton)
{
    DrawAndHoldTheClock("Tempo=30");
    ActivateWindow();
    ASSERT_TRUE(View().WordBox(0)->hasFocus());
    Choose(Window().Menu()->Action(MainMenu::Command::NewGame));
    EXPECT_EQ(Window().focusWidget(), Button(Draw::Auto));
    EXPECT_FALSE(View().SpokenLine()->isVisible()) << "the last manche's words are gone";
}

// ---- Two humans at one keyboard ----

TEST_F(SpokenManche, MaskedWordShowsNoDimmedTileAndNoRedText)
{
    Start();
    View().NameBox(1)->setText(QStringLiteral("Valentina"));
    DrawTyped(QStringLiteral("CASTELLOAR"));
    for (const int slot : {0, 1}) {
        QLineEdit* box = View().WordBox(slot);
        ASSERT_EQ(box->echoMode(), QLineEdit::Password) << slot;
        const QColor normal = box->palette().color(QPalette::Text);
        for (const QString& word : {QStringLiteral("cas"), QStringLiteral("cassss")}) {
            box->clear();
            QTest::keyClicks(box, word);
            for (int tile = 0; tile < 10; ++tile)
                EXPECT_FALSE(Window().Board()->TileDimmed(tile)) << slot << " " << word.toStdString() << " " << tile;
            EXPECT_EQ(box->palette().color(QPalette::Text), normal) << slot << " " << word.toStdString();
            EXPECT_TRUE(box->accessibleDescription().isEmpty()) << slot << " " << word.toStdString();
        }
    }
}

}  // namespace
