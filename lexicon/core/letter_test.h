// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

// The letter test of a word against the drawn letters: each letter of the word uses up
// one equal, still unused letter of the draw (exact comparison, case included). A word
// passes exactly when no letter of it occurs more often than in the draw, so the test
// only counts. A used letter is gone, whatever character stands in its place: a blank
// in a word needs a drawn blank like any other character.
bool IsSpeltFrom(const QString& word, const QString& drawnLetters);

// The drawn letters counted once, to test many lexicon words against them. Lexicon
// words are single-byte text: byte b stands for the character U+00b, so a drawn
// character beyond U+00FF never matches a lexicon byte.
class DrawnLetterCounts {
public:
    explicit DrawnLetterCounts(const QString& drawnLetters);

    bool Spells(std::string_view word) const;
    int Count(unsigned char byte) const { return counts_[byte]; }

private:
    std::array<std::uint8_t, 256> counts_{};
};
