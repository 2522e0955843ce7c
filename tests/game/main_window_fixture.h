#pragma once

#include "fake_platform.h"
#include "main_window.h"
#include "temp_program_folder.h"

#include <QByteArray>
#include <QString>

#include <memory>

#include <gtest/gtest.h>

class QAction;

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

    TempProgramFolder folder;
    FakePlatform fakes;
    std::unique_ptr<MainWindow> window;
};
