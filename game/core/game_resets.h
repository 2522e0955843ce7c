// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct GameState;

// What a new draw, a new manche and a new game empty, in one place: each step
// empties what the one before it does, and more. The settings, the players' names,
// the language's letters and FinishSeconds (set again at the end of every manche)
// are never emptied here.
namespace GameResets {

// Another draw of the same manche: the letters and the string they were made from.
// A source word belongs to the draw made from it; no later draw inherits it, or the
// players' words would be judged against a string they never saw.
void ForNewDraw(GameState& state);

// The next manche: the draw and its vowel and consonant counts, the found words, the
// clock's seconds and the players' words.
void ForNewManche(GameState& state);

// A new game: the manche, the totals, GameOver, and the manche number back to 1.
void ForNewGame(GameState& state);

}  // namespace GameResets
