// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct GameState;

// The two fixed-width lines the end-of-game list adds for each game played, meant
// for a fixed-pitch font so the columns line up:
//   "  1)           Anonimo Valentina (CPU) ..."   game number and the four names
//   "                  3400            1200 ..."   the four game totals
// The game number takes three characters (from game 1000 on only its last three
// digits show); every name and total is right-aligned in 15 characters, and a longer
// name keeps only its last 15.
namespace EndOfGameSummary {

inline constexpr int kColumnWidth = 15;

QString NameLine(int gameNumber, const GameState& state);
QString ScoreLine(const GameState& state);

// A line as the list shows it: the same columns with one blank between neighbours,
// so that two names of a full 15 characters do not run together.
QString OnScreen(const QString& line);

}  // namespace EndOfGameSummary
