// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// For each word length, the words of a lexicon grouped by their letters, so that a
// search asks for the few hundred letter sets a draw can make instead of testing
// every word, and a lookup goes straight to the anagrams of the word.
//
// A word's key is the sum of one fixed random 64-bit number per letter A-Z, so all
// anagrams share a key and a draw's sub-sets get theirs by adding letters. Two other
// letter sets sharing a key is as unlikely as a 64-bit hash collision, yet possible:
// callers test the candidates they get (letter test, byte compare), which keeps every
// answer exact. Words holding any byte outside A-Z (only a corrupt file has them) get
// no key; they are kept apart, in file order, for a plain letter test.
class AnagramIndex {
public:
    using Key = std::uint64_t;

    // The number a letter A-Z adds to a key; nothing for any other byte.
    static std::optional<Key> LetterKey(char c);
    // The key of a word of letters A-Z; nothing for an empty word or any other byte.
    static std::optional<Key> KeyOf(std::string_view word);

    // Indexes the `count` words of `length` bytes (1 to 15) that lie one after the
    // other at `section`. Replaces what was indexed for that length before.
    void Build(int length, const char* section, std::int32_t count);

    // Word numbers (0-based, ascending, so in file order) of the words of that length
    // whose key is `key`: the words with exactly those letters, and in the rarest
    // case some others to be told apart by the caller.
    std::span<const std::uint32_t> Candidates(int length, Key key) const;
    // Word numbers of the words of that length that hold a byte outside A-Z, ascending.
    std::span<const std::uint32_t> OddWords(int length) const;

    // Bytes held by the tables.
    std::size_t MemoryBytes() const;

    static constexpr int kMaxLength = 15;

private:
    // Groups are sorted by the top bits of their key: bucket b holds the groups
    // firstGroup[b] .. firstGroup[b + 1] - 1, about one each. The words of group g
    // are wordNumbers[groupStart[g] .. groupStart[g + 1]).
    struct LengthTable {
        int bucketShift = 64;
        std::vector<std::uint32_t> firstGroup;
        std::vector<Key> groupKey;
        std::vector<std::uint32_t> groupStart;
        std::vector<std::uint32_t> wordNumbers;
        std::vector<std::uint32_t> oddWords;
    };

    std::array<LengthTable, kMaxLength + 1> tables_{};
};
