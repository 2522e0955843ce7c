// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_source.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;
class FillStrip;
class QLabel;
struct GameState;

// Runs the computer players' search of one manche on the main window: every word the
// drawn letters spell goes into FoundWords and, as "(n) -   WORD" lines, into the
// results window's found-words list; after each length the progress strip gains a
// segment and the time label is refreshed. The search takes a few tens of
// microseconds and runs in one go.
class SearchRunner {
public:
    // The progress strip's dark blue, colour 1 of the 16-colour palette.
    static const QColor kProgressColor;

    // Where the found-words list lives (the results window): emptied when the search
    // starts, then given the lines of each length.
    struct FoundWordsList {
        std::function<void()> clear;
        std::function<void(const QStringList& lines)> append;
    };

    SearchRunner(GameState& state, Dialogs& dialogs, FillStrip& progressStrip, QLabel& timeLabel);

    void SetFoundWordsList(FoundWordsList list) { list_ = std::move(list); }

    // Searches the lexicon of `source` for the current DrawnLetters. A missing lexicon
    // file is told with the "Errore 0002" message and changes nothing.
    void Run(const LexiconSource& source);

private:
    void LengthDone(int length, const QStringList& words, int letterCount);

    GameState& state_;
    Dialogs& dialogs_;
    FillStrip& progressStrip_;
    QLabel& timeLabel_;
    FoundWordsList list_;
};
