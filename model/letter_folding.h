// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What one character of a word list becomes in a lexicon word. Lexicon words hold
// the plain upper-case letters A to Z only, so marked letters fold to their base
// letter (à -> A, é -> E, ā -> A, ŭ -> U), the ligatures æ and œ and the German ß
// expand to two letters (AE, OE, SS) as they are spelt without them, combining marks
// vanish (a word in decomposed form folds like the composed one) and every other
// character (digits, apostrophes, hyphens, blanks, other scripts) is no letter at
// all, which rules the word out.
struct FoldedLetter {
    enum Kind : std::uint8_t { NotALetter, CombiningMark, Letter };
    Kind kind = NotALetter;
    std::uint8_t count = 0;  // 1 or 2 letters when kind is Letter
    char letters[2] = {0, 0};
    bool upperCase = false;  // the character was a capital
};

// Folds one Unicode code point. Fast for code points below 0x300 (a table); others
// are decomposed on the spot.
FoldedLetter FoldLetter(char32_t codePoint);
