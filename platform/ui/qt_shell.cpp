// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtShell::Open(const QString& target)
{
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}
