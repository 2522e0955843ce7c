// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/identity/identity_config.h"

#include <QString>

// The names the installed desktop entries go by: the build's AppStream id (see
// cmake/install.cmake).
inline const QString kGameDesktopEntry = QStringLiteral(LETTERAMA_APPSTREAM_ID);
inline const QString kGleanerDesktopEntry = QStringLiteral(LETTERAMA_APPSTREAM_ID ".gleaner");

// Tells the desktop which installed entry the running program belongs to, so that
// its windows carry the entry's icon and group under it in the task bar. Run from a
// build folder, where no icon is installed, the windows keep the system's default.
void IdentifyToDesktop(const QString& desktopEntry);
