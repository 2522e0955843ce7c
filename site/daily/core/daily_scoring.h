// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/site_storage.h"

#include <QDate>
#include <QString>

#include <map>
#include <vector>

// The day's try scored as a manche of one player: 100 points a letter of a valid
// word, and 10 for each whole second before the sixtieth (the sole best word of a
// manche of one). A word sent after the time (and a grace for the way back from the
// browser) scores nothing.
namespace DailyScoring {

inline constexpr int kSeconds = 60;
inline constexpr int kGraceSeconds = 3;

// Whole seconds from the start to the word, counted by the site: at most kSeconds.
int SecondsTaken(qint64 startedAtMs, qint64 sentAtMs);
bool InTime(qint64 startedAtMs, qint64 sentAtMs);
int Points(const QString& verdict, int length, int seconds);

// The day's ranking: most points first; equal points, the quicker first, then the
// one who finished first. Ties share a place.
struct Ranked {
    int place = 0;
    DailyTry entry;
};
std::vector<Ranked> Ranking(std::vector<DailyTry> tries);

// How many valid words of each length the day's tries found.
std::map<int, int> LengthCounts(const std::vector<DailyTry>& tries);

// "Letterama 10-12-2026 · 8 lettere · 23 s": the day, the length and the time, never
// the word. A try with no valid word says "nessuna parola".
QString ShareText(const QDate& day, const DailyTry& entry);

}  // namespace DailyScoring
