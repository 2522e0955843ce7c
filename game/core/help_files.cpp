// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_files.h"

namespace HelpFiles {

QString MissingHelpMessage()
{
    return QStringLiteral("Non trovato file di documentazione/help: ") + QString::fromLatin1(kHelpPage);
}

}  // namespace HelpFiles
