#include "hunspell_spell_checker.h"
#include "main_window.h"
#include "platform.h"
#include "qt_dialogs.h"
#include "qt_http_fetcher.h"
#include "qt_shell.h"
#include "qt_wave_player.h"
#include "system_clock.h"
#include "system_random.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Letterama"));

    QtDialogs dialogs;
    QtShell shell;
    // The update notice must never hold up a game: a short wait, then nothing.
    QtHttpFetcher http(3000);
    QtWavePlayer wave;
    SystemClock clock;
    SystemRandom random(clock);
    const Platform platform{dialogs, shell, http, wave, clock, random};

    // The spelling check follows the game's language at the time of each check.
    const MainWindow* game = nullptr;
    HunspellSpellChecker spellChecker(
        [&game] { return TableOf(game ? game->State().Settings.LexiconLanguage : Language::Italian).HunspellLocale; },
        dialogs);

    MainWindow window(platform, spellChecker);
    game = &window;
    if (!window.Startup(QCoreApplication::applicationDirPath()))
        return 1;
    window.show();
    return app.exec();
}
