// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// Which tiles of the board a word being typed already uses, so that the board can dim
// them: each letter of the word takes the first tile of that letter not yet taken (a
// letter typed twice takes two tiles). None of this judges the word.
struct LetterUse {
    std::vector<bool> usedTiles;  // one per drawn letter
    bool spelt = true;            // every letter of the word found a tile of its own

    // `drawnLetters` in upper case as drawn; `word` as typed, in any case.
    static LetterUse Of(const QString& drawnLetters, const QString& word);
};
