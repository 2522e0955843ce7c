#include "letter_test.h"

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
    // A word is at most a few letters long: count down in a copy.
    std::array<std::uint8_t, 256> left = counts_;
    for (const char c : word) {
        std::uint8_t& unused = left[static_cast<unsigned char>(c)];
        if (unused == 0)
            return false;
        --unused;
    }
    return true;
}
