// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game as its main() does, up to the main window being shown and the
// event loop running, then ends: run it under hyperfine (bench/startup_time.sh) to
// time a whole start-up, dynamic loading included. With --steps it also prints how
// long each step took inside the process.
//
// Usage: startup_probe PROGRAM_FOLDER [--steps]

#include "platform/ui/hunspell_spell_checker.h"
#include "game/ui/main_window.h"
#include "platform/core/platform.h"
#include "platform/ui/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const bool steps = argc > 2 && std::strcmp(argv[2], "--steps") == 0;
    const auto step = [&](const char* what) {
        if (steps)
            std::fprintf(stderr, "%7.1f ms  %s\n", static_cast<double>(sinceMain.nsecsElapsed()) / 1e6, what);
    };
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM_FOLDER [--steps]\n");
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Letterama"));
    step("application");

    QtPlatform qt(QStringLiteral("Letterama"));
    const Platform platform = qt.Services();
    const MainWindow* game = nullptr;
    HunspellSpellChecker spellChecker(
        [&game] { return TableOf(game ? game->State().Settings.LexiconLanguage : Language::Italian).HunspellLocale; },
        platform.dialogs);
    step("platform");

    MainWindow window(platform, ProgramFiles(QString::fromLocal8Bit(argv[1])), spellChecker);
    game = &window;
    step("main window made");
    if (!window.Startup())
        return 1;
    step("start-up (settings, board, lexicon)");
    window.show();
    step("show");
    QTimer::singleShot(0, &app, [&] {
        step("first turn of the event loop");
        QCoreApplication::quit();
    });
    return app.exec();
}
