// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Each window's size and place between runs: the main window (maximised or not),
// the dictionary editor, Gleaner. They are kept apart from the game's settings
// file, in an INI file of the user's settings, one key per window. Until a program
// names that file nothing is remembered, so windows made by tests never read or
// write the user's settings.
namespace WindowPlaces {

// Keeps the places in `iniPath`; an empty path remembers nothing.
void UseFile(const QString& iniPath);
// Keeps them in the user's settings folder, in "finestre.ini" under `program`.
void UseUserSettings(const QString& program);
QString File();

// Gives `window` the size, place and state it had when it was last hidden, if any
// was kept (only where that place is on one of the screens there are now), and
// keeps them again each time it is hidden or closed. Call once, before showing it.
void Remember(QWidget* window, const QString& key);

// The two halves of Remember.
bool Restore(QWidget* window, const QString& key);
void Save(const QWidget* window, const QString& key);

}  // namespace WindowPlaces
