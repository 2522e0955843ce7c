// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/help_files.h"

namespace HelpFiles {

QString MissingHelpMessage()
{
    return QStringLiteral("Non trovato file di documentazione/help: ") + QString::fromLatin1(kHelpPage);
}

QString UnopenedHelpMessage(const QString& path)
{
    return QStringLiteral("Impossibile aprire la guida: nessun programma del sistema apre le pagine web "
                          "(per esempio un browser).\nLa guida è il file ") +
           path;
}

}  // namespace HelpFiles
