// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One line of the high-score table: who made the score and how many points.
struct HighScoreEntry {
    QString Name;
    int Score = 0;

    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};
