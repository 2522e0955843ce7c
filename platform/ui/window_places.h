// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

class QWidget;

// Each window's size and place between runs: the main window (maximised or not),
// the dictionary editor, Gleaner. They are kept apart from the game's settings
// file, in an INI file of the user's settings, one key per window. A program hands
// its windows the WindowPlaces of the user's file; one that names no file remembers
// nothing, so windows made by tests never read or write the user's settings.
// It holds no state beyond its file's name and never changes after it is made.
class WindowPlaces {
public:
    // Keeps the places in `iniPath`; an empty path remembers nothing.
    explicit WindowPlaces(QString iniPath = QString()) : file_(std::move(iniPath)) {}
    // Keeps them in the user's settings folder, in "finestre.ini" under `program`.
    static WindowPlaces InUserSettings(const QString& program);

    const QString& File() const { return file_; }

    // Gives `window` the size, place and state it had when it was last hidden, if any
    // was kept (only where that place is on one of the screens there are now), and
    // keeps them again each time it is hidden or closed. Call once, before showing it.
    void Remember(QWidget* window, const QString& key) const;

    // The two halves of Remember.
    bool Restore(QWidget* window, const QString& key) const;
    void Save(const QWidget* window, const QString& key) const;

private:
    QString file_;
};
