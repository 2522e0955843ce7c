// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>

class FillStrip;
class QLabel;
struct GameState;

// Shows the computer players' search of one manche on the main window: every word the
// game found in the drawn letters goes, as "(n) -   WORD" lines, into the results
// window's found-words list; after each length the progress strip gains a segment and
// the time label is refreshed.
class SearchRunner {
public:
    // The progress strip's dark blue, colour 1 of the 16-colour palette.
    static const QColor kProgressColor;

    // Where the found-words list lives (the results window): emptied when the search
    // is shown, then given the lines of each length.
    struct FoundWordsList {
        std::function<void()> clear;
        std::function<void(const QStringList& lines)> append;
    };

    // `state` is the game's, read-only.
    SearchRunner(const GameState& state, FillStrip& progressStrip, QLabel& timeLabel);

    void SetFoundWordsList(FoundWordsList list) { list_ = std::move(list); }

    // Shows the FoundWords of the complete draw, length by length.
    void Show();

private:
    void LengthDone(int length, const QStringList& words, int letterCount);

    const GameState& state_;
    FillStrip& progressStrip_;
    QLabel& timeLabel_;
    FoundWordsList list_;
};
