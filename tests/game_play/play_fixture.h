#pragma once

#include "fake_platform.h"
#include "game_view.h"
#include "main_window.h"
#include "spell_checker.h"
#include "temp_program_folder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

#include <gtest/gtest.h>

class QPushButton;

// Leaves every text as it is.
class UncheckedSpelling : public SpellChecker {
public:
    QString SpellCheck(const QString& incorrectText) override { return incorrectText; }
};

// The main window over the fake platform, started in a fresh program folder with
// sound off and a small lexicon; tests press its real buttons.
class PlayTest : public ::testing::Test {
protected:
    // Words of the lexicon every test starts with (any language), by length.
    static const QStringList kWords;

    // Writes "SLESSICO.<language>" holding `words`.
    void WriteLexicon(int language, const QStringList& words = kWords);
    // Starts the window with these settings lines added to "Suono=No", over a
    // lexicon of `words`.
    void Start(const QByteArray& settings = {}, int language = 1, const QStringList& words = kWords);

    MainWindow& Window() { return *window; }
    GameState& State() { return window->State(); }
    GameView& View() { return *window->View(); }
    QPushButton* Button(GameView::DrawButton button) { return View().DrawButtonOf(button); }

    // Presses a button with the mouse, as the player does.
    static void Click(QWidget* widget);
    void Press(GameView::DrawButton button);
    // A typed-string draw of `letters`, answered through the input box.
    void DrawTyped(const QString& letters);

    TempProgramFolder folder;
    FakePlatform fakes;
    UncheckedSpelling spelling;
    std::unique_ptr<MainWindow> window;
};
