#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// For each word length, the words of a lexicon grouped by their letters: a word's key
// is its letters sorted, so all anagrams share one key, and each key leads to its
// word numbers (0-based, in file order). A search then asks for the few hundred keys
// that a draw can make instead of testing every word.
//
// Keys pack the letters A to Z as 1 to 26 in 5 bits each, smallest letter first:
// exact (no two letter multisets share a key) for words of up to 12 letters. Longer
// sections are not indexed. Words holding any byte outside A-Z (only a corrupt file
// has them) get no key; they are kept apart, in file order, for a plain letter test.
class AnagramIndex {
public:
    using Key = std::uint64_t;
    static constexpr int kMaxIndexedLength = 12;

    // The 5-bit code of an upper-case letter A-Z (1 to 26), 0 for any other byte.
    static int LetterCode(char c)
    {
        return c >= 'A' && c <= 'Z' ? c - 'A' + 1 : 0;
    }
    // The key of a word of 1 to 12 letters A-Z; nothing for any other word.
    static std::optional<Key> KeyOf(std::string_view word);

    // Indexes the `count` words of `length` bytes that lie one after the other at
    // `section`. Replaces what was indexed for that length before.
    void Build(int length, const char* section, std::int32_t count);

    // Whether the words of that length are indexed; if not, a reader tests them all.
    bool Indexed(int length) const;
    // Word numbers of the words of that length with that key, ascending.
    std::span<const std::uint32_t> Candidates(int length, Key key) const;
    // Word numbers of the words of that length that hold a byte outside A-Z, ascending.
    std::span<const std::uint32_t> OddWords(int length) const;

    // Bytes held by the tables.
    std::size_t MemoryBytes() const;

private:
    // Open addressing over a power-of-two table; a bucket holds a key and its group + 1
    // (0: empty). The words of group g are wordNumbers[groupStart[g] .. groupStart[g + 1]).
    struct Slot {
        Key key = 0;
        std::uint32_t group = 0;
    };
    struct LengthTable {
        bool indexed = false;
        std::vector<Slot> buckets;
        std::vector<std::uint32_t> groupStart;
        std::vector<std::uint32_t> wordNumbers;
        std::vector<std::uint32_t> oddWords;
    };

    static std::size_t SlotOf(Key key, std::size_t mask);

    std::array<LengthTable, kMaxIndexedLength + 1> tables_{};
};
