// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/letter_test.h"
#include "lexicon/core/lexicon_source.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// The computer players' search: every lexicon word of 3 to LetterCount letters that
// the drawn letters spell, by length ascending and in file order within a length,
// exactly as a scan of the file with the letter test would list them.
//
// Words of letters A-Z are reached through the anagram index: the search asks for
// the key of every distinct part of the draw (at most 1024 for ten letters) and sorts
// what it collects back into file order. Words with other bytes, and every word when
// the draw is too rich to split that way, go through the letter test one by one.
class WordSearch {
public:
    // The words found in one search, by length.
    class Found {
    public:
        // The words of that length in file order; none outside 3 to 15.
        const QStringList& OfLength(int length) const;
        // Every word found: by length ascending, file order within a length.
        QStringList InOrder() const;

    private:
        friend class WordSearch;
        std::array<QStringList, LexiconIndex::kMaxLength + 1> byLength_;
    };

    // The whole search of one manche, lengths 3 to letterCount, in one call (a few
    // tens of microseconds over the words in memory). A missing or unreadable lexicon
    // file gives its error and finds nothing.
    static LexiconResult<Found> Run(const LexiconSource& source, const QString& drawnLetters, int letterCount);

    // The same over words already loaded: every word found, in order.
    static QStringList FindAll(const LexiconWords& words, const QString& drawnLetters, int letterCount);

    WordSearch(const LexiconWords& words, const QString& drawnLetters);

    // Appends to `found` the words of that length that the letters spell, in file order.
    void FindLength(int length, QStringList& found) const;

private:
    // A ten-letter draw has at most 2^10 distinct parts. Past this many, asking for
    // each of them costs as much as testing every word.
    static constexpr std::uint64_t kMaxParts = 8192;

    void CollectParts(std::size_t letter, int size, AnagramIndex::Key key);
    void ScanLength(int length, std::vector<std::uint32_t>& hits) const;

    const LexiconWords& words_;
    DrawnLetterCounts counts_;
    std::vector<std::pair<AnagramIndex::Key, int>> letters_;  // distinct letters A-Z: key, count
    bool partsListed_ = false;
    std::array<std::vector<AnagramIndex::Key>, AnagramIndex::kMaxLength + 1> partsBySize_{};
};

// One line of the found-words list: "(" + length + ") -   " + word.
QString FoundWordLine(const QString& word);
