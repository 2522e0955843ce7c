// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_identity.h"
#include "gleaner_window.h"
#include "platform.h"
#include "program_folder.h"
#include "qt_platform.h"
#include "qt_translations.h"
#include "window_places.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Gleaner"));
    WindowPlaces::UseUserSettings(QStringLiteral("Letterama"));
    IdentifyToDesktop(kGleanerDesktopEntry);

    QtPlatform qt(QStringLiteral("Gleaner"));
    const Platform platform = qt.Services();

    // An installed, read-only program folder sends the per-length files to the user's folder.
    ProgramFolder::UseUserFolderIfReadOnly(QCoreApplication::applicationDirPath());
    GleanerWindow window(platform, QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
