// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"
#include "platform/ui/desktop_identity.h"
#include "gleaner/ui/gleaner_window.h"
#include "model/language.h"
#include "platform/core/platform.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "platform/ui/qt_platform.h"
#include "platform/ui/qt_translations.h"
#include "platform/core/settings_lines.h"
#include "platform/core/site_address.h"
#include "platform/version.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    // Asked for its help or version, the program prints them without a window or a display.
    const CommandLine::Program program{
        QStringLiteral("gleaner"), QString::fromLatin1(Version::kText),
        QStringLiteral("Raccoglitore di parole: aggiunge agli elenchi di parole per lunghezza (2.txt ... 15.txt) "
                       "le parole di un file di testo che quegli elenchi non contengono ancora.")};
    if (const auto answer = CommandLine::AnswerWithoutWindow(CommandLine::ArgumentsOf(argc, argv), program))
        return CommandLine::Print(*answer);

    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Gleaner"));
    IdentifyToDesktop(kGleanerDesktopEntry);

    QtPlatform qt(QStringLiteral("Gleaner"));
    const Platform platform = qt.Services();

    // An installed copy sends the per-length files to the user's folder.
    const ProgramFiles files = ProgramFiles::OfRunningProgram();
    GleanerWindow window(platform, files);
    // The game's settings file, beside Gleaner, may name the player's own Letterama site.
    const ProgramFolder::ReadResult settings =
        files.Read(QString::fromLatin1(SettingsLines::kFileName), SettingsLines::kMaxFileBytes);
    if (settings.Ok()) {
        window.SetSite(SiteAddress::ForPlayer(SettingsLines::Site(settings.bytes).value_or(QString())));
        // The words to skip are those of the game's lexicon, in the game's language.
        if (const std::optional<Language> language =
                LanguageFromNumber(SettingsLines::LexiconLanguage(settings.bytes).value_or(1)))
            window.SetLexiconFile(files.Resolve(TableOf(*language).LexiconFileName()));
    }
    window.show();
    return app.exec();
}
