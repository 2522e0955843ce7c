// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "tests/support/game_state_access.h"
#include "game/ui/game_view.h"
#include "game/ui/main_window.h"
#include "tests/support/temp_program_folder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

class QAction;
class QPushButton;

// The game's main window over the fake platform, in a fresh program folder; tests
// choose its menu items and press its real buttons.
class GameWindowFixture : public ::testing::Test {
protected:
    MainWindow& Window() { return *window; }
    Game& TheGame() { return window->CurrentGame(); }
    const GameState& State() { return window->State(); }
    // The game's state, written directly to set a test up part-way into a game.
    GameState& SetUpState() { return GameTestAccess::State(TheGame()); }
    GameView& View() { return *window->View(); }
    QPushButton* Button(GameView::DrawButton button) { return View().DrawButtonOf(button); }

    // Clicks a menu item as the user would.
    static void Choose(QAction* item);
    // Clicks a menu item that opens a modal window, and closes that window again,
    // handing it first to `look`. False when no modal window opened.
    static bool ChooseModal(QAction* item, const std::function<void(QWidget*)>& look = {});
    // Presses a button with the mouse, as the player does.
    static void Click(QWidget* widget);
    // Presses a draw button and waits until the tiles of the draw are in place.
    void Press(GameView::DrawButton button);
    // A typed-string draw of `letters`, answered through the input box.
    void DrawTyped(const QString& letters);

    TempProgramFolder folder;
    FakePlatform fakes;
    FakeSpellChecker spelling;
    std::unique_ptr<MainWindow> window;
};

// Start-up, settings and menus: a lexicon of a handful of words per language.
class MainWindowTest : public GameWindowFixture {
protected:
    // Writes a lexicon file for `language` with a handful of words.
    void WriteLexicon(int language);
    void WriteSettings(const QByteArray& text) { folder.Write(QStringLiteral("LETTRAMA.INI"), text); }
    QByteArray SettingsText() const { return folder.Read(QStringLiteral("LETTRAMA.INI")); }

    // Builds the window and runs start-up in the temporary program folder.
    bool Start();
};

// Play: the window started with sound off over a small lexicon.
class PlayTest : public GameWindowFixture {
protected:
    // Words of the lexicon every test starts with (any language), by length.
    static const QStringList kWords;

    // Writes "SLESSICO.<language>" holding `words`.
    void WriteLexicon(int language, const QStringList& words = kWords);
    // Starts the window with these settings lines added to "Suono=No", over a
    // lexicon of `words`.
    void Start(const QByteArray& settings = {}, int language = 1, const QStringList& words = kWords);
};
