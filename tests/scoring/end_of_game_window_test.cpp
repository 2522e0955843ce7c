// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/end_of_game_summary.h"
#include "scoring/ui/end_of_game_window.h"
#include "model/game_state.h"
#include "tests/support/run_until.h"
#include "tests/support/when_modal_opens.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

GameState FinishedGame(int humanTotal)
{
    GameState state;
    state.Players[0].Name = QStringLiteral("ANONIMO");
    state.TotalScores = {humanTotal, 4100, 0, 3900};
    state.GameOver = true;
    return state;
}

QStringList Lines(const EndOfGameWindow& window)
{
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("gamesList"));
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text().split(QLatin1Char('\n')));
    return lines;
}

QPushButton* Button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Opens the window for `game` as the game does and waits until the player's answer
// has closed it; the choice it reports.
EndOfGameWindow::Choice OpenAndWait(EndOfGameWindow& window, const GameState& game)
{
    window.Open(game);
    EXPECT_TRUE(RunUntil([&window] { return !window.isVisible(); }, 5000));
    return window.LastChoice();
}

}  // namespace

TEST(EndOfGameWindow, YesHidesTheWindowAndKeepsTheListForTheNextGame)
{
    EndOfGameWindow window;
    QSignalSpy newGames(&window, &EndOfGameWindow::NewGameRequested);
    QSignalSpy quits(&window, &EndOfGameWindow::QuitRequested);

    WhenModalOpens([](QWidget* modal) { QTest::mouseClick(Button(modal, "yesButton"), Qt::LeftButton); });
    EXPECT_EQ(OpenAndWait(window, FinishedGame(5230)), EndOfGameWindow::Choice::NewGame);
    EXPECT_FALSE(window.isVisible());

    // Enter answers yes as well: it is the default button.
    WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_EQ(OpenAndWait(window, FinishedGame(800)), EndOfGameWindow::Choice::NewGame);

    EXPECT_EQ(newGames.count(), 2);
    EXPECT_EQ(quits.count(), 0);
    EXPECT_EQ(window.GamesPlayed(), 2);
    using EndOfGameSummary::OnScreen;
    EXPECT_EQ(Lines(window), (QStringList{OnScreen(EndOfGameSummary::NameLine(1, FinishedGame(5230))),
                                          OnScreen(EndOfGameSummary::ScoreLine(FinishedGame(5230))),
                                          OnScreen(EndOfGameSummary::NameLine(2, FinishedGame(800))),
                                          OnScreen(EndOfGameSummary::ScoreLine(FinishedGame(800)))}));
    EXPECT_TRUE(Lines(window).at(0).startsWith(QStringLiteral("  1) ")));
    EXPECT_TRUE(Lines(window).at(3).startsWith(QStringLiteral("                 800")));
}

TEST(EndOfGameWindow, FineAsksForTheEndOfTheProgramWithoutQuitting)
{
    EndOfGameWindow window;
    QSignalSpy newGames(&window, &EndOfGameWindow::NewGameRequested);
    QSignalSpy quits(&window, &EndOfGameWindow::QuitRequested);
    QString title;
    WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        QTest::mouseClick(Button(modal, "quitButton"), Qt::LeftButton);
    });
    EXPECT_EQ(OpenAndWait(window, FinishedGame(100)), EndOfGameWindow::Choice::Quit);
    EXPECT_EQ(title, QStringLiteral("Letterama - Fine Partita"));
    EXPECT_EQ(quits.count(), 1);
    EXPECT_EQ(newGames.count(), 0);
}

TEST(EndOfGameWindow, ClosingTheWindowGoesOnToANewGame)
{
    EndOfGameWindow window;
    WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(OpenAndWait(window, FinishedGame(100)), EndOfGameWindow::Choice::NewGame);
}

TEST(EndOfGameWindow, LastLineIsSelectedInAFixedPitchFont)
{
    EndOfGameWindow window;
    for (int i = 0; i < 12; ++i)
        window.AddFinishedGame(FinishedGame(2500));

    const auto* list = window.findChild<QListWidget*>(QStringLiteral("gamesList"));
    // One entry per game, its two lines read as one by a screen reader.
    ASSERT_EQ(list->count(), 12);
    EXPECT_EQ(list->currentRow(), 11);
    EXPECT_TRUE(list->item(11)->isSelected());
    EXPECT_TRUE(list->item(11)->text().startsWith(QStringLiteral(" 12) ")));
    EXPECT_EQ(list->item(11)->text().count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(list->font().fixedPitch());
}

TEST(EndOfGameWindow, ControlsCarryTheirCaptions)
{
    EndOfGameWindow window;
    QStringList labels;
    for (const QLabel* label : window.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("PARTITE GIOCATE")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Vuoi fare un'altra partitina?")));
    EXPECT_EQ(Button(&window, "quitButton")->text(), QStringLiteral("&Fine"));
    EXPECT_EQ(Button(&window, "quitButton")->accessibleName(), QStringLiteral("Fine"));
    EXPECT_FALSE(Button(&window, "yesButton")->accessibleName().isEmpty());
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("gamesList"))->accessibleName(),
              QStringLiteral("PARTITE GIOCATE"));
}
