// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallItalianQtTranslations(QCoreApplication& app)
{
    // Owned by the application, so it lives as long as the translations are used.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
