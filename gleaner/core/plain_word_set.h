// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <vector>

// A set of words of plain capitals A to Z, as the word files hold them. Each word is
// packed into 128 bits (5 bits a letter) and kept in one open-addressed table, so that
// the lexicon's hundreds of thousands of words load in a few milliseconds and a
// lookup costs a multiplication and a comparison or two, with no allocation.
class PlainWordSet {
public:
    static constexpr qsizetype kMaxLetters = 24;

    // Whether `word` can be held: 1 to kMaxLetters letters, A to Z only.
    static bool Holds(QByteArrayView word);

    // Makes room for about `words` words at once, sparing the growth on the way.
    void Reserve(qsizetype words);

    // Adds `word`; false when it was there already or cannot be held.
    bool Insert(QByteArrayView word);
    bool Contains(QByteArrayView word) const;
    qsizetype Size() const { return size_; }

private:
    struct Key {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        bool operator==(const Key&) const = default;
        bool Empty() const { return low == 0 && high == 0; }
    };

    static bool Pack(QByteArrayView word, Key* key);
    std::size_t SlotOf(const Key& key) const;
    void Rehash(std::size_t capacity);

    std::vector<Key> slots_;
    qsizetype size_ = 0;
};
