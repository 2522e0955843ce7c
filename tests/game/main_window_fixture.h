#pragma once

#include "fake_platform.h"
#include "main_window.h"
#include "spell_checker.h"
#include "temp_program_folder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

class QAction;

// Leaves every text as it is: no test here asks for a spelling check.
class UncheckedSpelling : public SpellChecker {
public:
    QString SpellCheck(const QString& incorrectText) override { return incorrectText; }
};

// A main window over the fake platform in a fresh program folder that holds a small
// lexicon of each language the test asks for.
class MainWindowTest : public ::testing::Test {
protected:
    // Writes a lexicon file for `language` with a handful of words.
    void WriteLexicon(int language);
    void WriteSettings(const QByteArray& text) { folder.Write(QStringLiteral("LETTRAMA.INI"), text); }
    QByteArray SettingsText() const { return folder.Read(QStringLiteral("LETTRAMA.INI")); }

    // Builds the window and runs start-up in the temporary program folder.
    bool Start();
    MainWindow& Window() { return *window; }
    GameState& State() { return window->State(); }

    // Clicks a menu item as the user would.
    static void Choose(QAction* item);
    // Clicks a menu item that opens a modal window, and closes that window again,
    // handing it first to `look`. False when no modal window opened.
    static bool ChooseModal(QAction* item, const std::function<void(QWidget*)>& look = {});

    TempProgramFolder folder;
    FakePlatform fakes;
    UncheckedSpelling spelling;
    std::unique_ptr<MainWindow> window;
};
