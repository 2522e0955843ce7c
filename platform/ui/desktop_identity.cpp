// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

void IdentifyToDesktop(const QString& desktopEntry)
{
    QGuiApplication::setDesktopFileName(desktopEntry);
    const QIcon icon = QIcon::fromTheme(QStringLiteral("letterama"));
    if (!icon.isNull())
        QGuiApplication::setWindowIcon(icon);
}
