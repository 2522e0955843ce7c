// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Loads Qt's Italian translations, so that Qt's own buttons and menus speak the
// game's language. Returns false where they are not installed: the game's boxes
// then still carry their own Italian captions.
bool InstallItalianQtTranslations(QCoreApplication& app);
