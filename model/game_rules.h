// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The numbers of a game of Letterama, in one place: the desktop game, its scoring,
// the record table of the site and any future table of games all play by these.
// Kept at the bottom of the tree so that every subsystem can read them without
// reaching sideways into another.
namespace GameRules {

// A game is five manches, played by four players (slot 0 the human at the keyboard).
inline constexpr int kManchesPerGame = 5;
inline constexpr int kPlayers = 4;

// A board holds 8, 9 or 10 letters; a word counts from 3 letters up to the board's.
inline constexpr std::array<int, 3> kLetterCountsOffered{8, 9, 10};
inline constexpr int kFewestLetters = 8;
inline constexpr int kMostLetters = 10;
inline constexpr int kShortestWord = 3;

// A manche lasts 30, 60 or 90 seconds, or has no limit (then it counts up to this).
inline constexpr std::array<int, 3> kRoundSecondsOffered{30, 60, 90};
inline constexpr int kUnlimitedSeconds = 32000;
// The computer players announce their words this many seconds before the end.
inline constexpr int kAnnounceBeforeEnd = 10;

// Scoring: every letter of a valid word, and for the sole best word of the manche a
// bonus for every second under a minute at which the human ended it.
inline constexpr int kPointsPerLetter = 100;
inline constexpr int kBonusPerSecond = 10;
inline constexpr int kBonusSeconds = 60;

}  // namespace GameRules
