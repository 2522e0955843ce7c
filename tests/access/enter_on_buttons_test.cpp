// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/ui/confirm_window.h"
#include "scoring/ui/end_of_game_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "model/game_state.h"
#include "scoring/ui/high_score_window.h"
#include "scoring/ui/results_window.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A window of the game as the player meets it, opened afresh for each button.
struct GameWindow {
    const char* name;
    std::function<std::unique_ptr<QWidget>(FakePlatform&, FakeSpellChecker&, GameState&, const ProgramFiles&)> open;
};

GameState FinishedGame()
{
    GameState state;
    state.Players[0].Name = QStringLiteral("ANONIMO");
    state.TotalScores = {5200, 4100, 0, 3900};
    state.MancheNumber = 6;
    state.GameOver = true;
    state.Settings.Site = QStringLiteral("https://club.example");
    return state;
}

const GameWindow kWindows[] = {
    {"high scores, with a record to send",
     [](FakePlatform& fake, FakeSpellChecker&, GameState& state, const ProgramFiles& files) -> std::unique_ptr<QWidget> {
         auto window = std::make_unique<HighScoreWindow>(state, HighScoreMode::AfterGame, fake.platform(), files);
         window->SetUp();
         window->open();
         return window;
     }},
    {"results, complete",
     [](FakePlatform& fake, FakeSpellChecker& speller, GameState&, const ProgramFiles& files) -> std::unique_ptr<QWidget> {
         auto window = std::make_unique<ResultsWindow>(fake.platform(), files, speller);
         window->show();
         // As once the board is evaluated.
         window->findChild<QPushButton*>(QStringLiteral("continueButton"))->setEnabled(true);
         return window;
     }},
    {"confirmation",
     [](FakePlatform& fake, FakeSpellChecker& speller, GameState&, const ProgramFiles& files) -> std::unique_ptr<QWidget> {
         auto window = std::make_unique<ConfirmWindow>(fake.shell, speller, files);
         window->SetHomePage(QStringLiteral("https://club.example/letterama/"));
         window->Ask(QStringLiteral("ZORBATO"), 3);
         return window;
     }},
    {"end of game",
     [](FakePlatform&, FakeSpellChecker&, GameState& state, const ProgramFiles&) -> std::unique_ptr<QWidget> {
         auto window = std::make_unique<EndOfGameWindow>();
         window->Open(state);
         return window;
     }},
};

TEST(EnterOnButtons, EnterOnEveryFocusedButtonDoesWhatAClickDoes)
{
    // Heard as "Registra record in Internet pulsante", the button must answer Enter:
    // the window's default button must not take the key instead.
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    for (const GameWindow& kind : kWindows) {
        FakePlatform fake;
        FakeSpellChecker speller;
        GameState state = FinishedGame();
        int buttons = 0;
        {
            std::unique_ptr<QWidget> counted = kind.open(fake, speller, state, files);
            buttons = static_cast<int>(counted->findChildren<QPushButton*>().size());
        }
        ASSERT_GT(buttons, 0) << kind.name;
        for (int index = 0; index < buttons; ++index) {
            std::unique_ptr<QWidget> window = kind.open(fake, speller, state, files);
            const QList<QPushButton*> all = window->findChildren<QPushButton*>();
            QPushButton* button = all.at(index);
            if (!button->isVisible() || !button->isEnabled())
                continue;
            std::vector<std::unique_ptr<QSignalSpy>> clicks;
            for (QPushButton* any : all)
                clicks.push_back(std::make_unique<QSignalSpy>(any, &QPushButton::clicked));
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            for (int other = 0; other < all.size(); ++other) {
                EXPECT_EQ(clicks[other]->count(), other == index ? 1 : 0)
                    << kind.name << ": Enter on \"" << button->text().toStdString() << "\" pressed \""
                    << all.at(other)->text().toStdString() << "\"";
            }
        }
    }
}

}  // namespace
