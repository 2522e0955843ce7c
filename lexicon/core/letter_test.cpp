// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/letter_test.h"

#include <unordered_map>

bool IsSpeltFrom(const QString& word, const QString& drawnLetters)
{
    std::unordered_map<char16_t, int> unused;
    for (const QChar letter : drawnLetters)
        ++unused[letter.unicode()];
    for (const QChar letter : word) {
        const auto it = unused.find(letter.unicode());
        if (it == unused.end() || it->second == 0)
            return false;
        --it->second;
    }
    return true;
}

DrawnLetterCounts::DrawnLetterCounts(const QString& drawnLetters)
{
    for (const QChar letter : drawnLetters) {
        const char16_t code = letter.unicode();
        if (code <= 0xFF && counts_[code] < 255)
            ++counts_[code];
    }
}

bool DrawnLetterCounts::Spells(std::string_view word) const
{
    // Most lexicon words fail on a letter that was not drawn at all, so that test
    // comes first; a letter drawn fewer times than the word is long is then counted
    // among the word's earlier letters (a word is at most 15 letters).
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned drawn = counts_[static_cast<unsigned char>(word[i])];
        if (drawn == 0)
            return false;
        if (drawn >= word.size())
            continue;
        unsigned used = 1;
        for (std::size_t j = 0; j < i; ++j)
            used += word[j] == word[i] ? 1u : 0u;
        if (used > drawn)
            return false;
    }
    return true;
}
