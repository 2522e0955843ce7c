// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_identity.h"
#include "hunspell_spell_checker.h"
#include "main_window.h"
#include "platform.h"
#include "qt_platform.h"
#include "qt_translations.h"
#include "window_places.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Letterama"));
    WindowPlaces::UseUserSettings(QStringLiteral("Letterama"));
    IdentifyToDesktop(kGameDesktopEntry);

    QtPlatform qt(QStringLiteral("Letterama"));
    const Platform platform = qt.Services();

    // The spelling check follows the game's language at the time of each check.
    const MainWindow* game = nullptr;
    HunspellSpellChecker spellChecker(
        [&game] { return TableOf(game ? game->State().Settings.LexiconLanguage : Language::Italian).HunspellLocale; },
        platform.dialogs);

    MainWindow window(platform, spellChecker);
    game = &window;
    if (!window.Startup(QCoreApplication::applicationDirPath()))
        return 1;
    window.show();
    return app.exec();
}
