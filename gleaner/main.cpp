// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_identity.h"
#include "gleaner_window.h"
#include "platform.h"
#include "program_folder.h"
#include "qt_platform.h"
#include "qt_translations.h"
#include "settings_file.h"
#include "site_address.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Gleaner"));
    IdentifyToDesktop(kGleanerDesktopEntry);

    QtPlatform qt(QStringLiteral("Gleaner"));
    const Platform platform = qt.Services();

    // An installed, read-only program folder sends the per-length files to the user's folder.
    ProgramFolder::UseUserFolderIfReadOnly(QCoreApplication::applicationDirPath());
    GleanerWindow window(platform, QCoreApplication::applicationDirPath());
    // The game's settings file, beside Gleaner, may name the player's own Letterama site.
    const ProgramFolder::ReadResult settings = ProgramFolder::Read(
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(SettingsFile::kFileName)),
        SettingsFile::kMaxFileBytes);
    if (settings.Ok())
        window.SetSite(SiteAddress::ForPlayer(SettingsFile::Parse(settings.bytes).Site.value_or(QString())));
    window.show();
    return app.exec();
}
