// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The names the installed desktop entries go by (see assets/desktop).
inline const QString kGameDesktopEntry = QStringLiteral("org.example.letterama");
inline const QString kGleanerDesktopEntry = QStringLiteral("org.example.letterama.gleaner");

// Tells the desktop which installed entry the running program belongs to, so that
// its windows carry the entry's icon and group under it in the task bar. Run from a
// build folder, where no icon is installed, the windows keep the system's default.
void IdentifyToDesktop(const QString& desktopEntry);
