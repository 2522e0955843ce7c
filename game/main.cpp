// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"
#include "platform/ui/desktop_identity.h"
#include "platform/ui/hunspell_spell_checker.h"
#include "game/ui/main_window.h"
#include "platform/core/platform.h"
#include "platform/core/program_folder.h"
#include "platform/ui/qt_platform.h"
#include "platform/ui/qt_translations.h"
#include "platform/version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Asked for its help or version, the program prints them without a window or a display.
    const CommandLine::Program program{
        QStringLiteral("letterama"),
        QStringLiteral("%1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision),
        QStringLiteral("Gioco di lettere: trova la parola più lunga con le lettere estratte, contro tre "
                       "giocatori del computer.")};
    if (const auto answer = CommandLine::AnswerWithoutWindow(CommandLine::ArgumentsOf(argc, argv), program))
        return CommandLine::Print(*answer);

    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Letterama"));
    IdentifyToDesktop(kGameDesktopEntry);

    QtPlatform qt(QStringLiteral("Letterama"));
    const Platform platform = qt.Services();

    // The spelling check follows the game's language at the time of each check.
    const MainWindow* game = nullptr;
    HunspellSpellChecker spellChecker(
        [&game] { return TableOf(game ? game->State().Settings.LexiconLanguage : Language::Italian).HunspellLocale; },
        platform.dialogs);

    MainWindow window(platform, ProgramFiles::OfRunningProgram(), spellChecker);
    game = &window;
    if (!window.Startup())
        return 1;
    window.show();
    return app.exec();
}
