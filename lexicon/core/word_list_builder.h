// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_writer.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// What one word list contributed.
struct WordListStats {
    std::int64_t lines = 0;           // non-empty lines
    std::int64_t accepted = 0;        // words taken (before removing repeats)
    std::int64_t namesAndNumerals = 0;  // dropped as proper nouns, abbreviations, numerals
    bool utf8 = true;                 // read as UTF-8; otherwise as Latin-1
    bool lowerCaseList = false;       // most of its words are written in lower case
};

// Turns plain word lists into the eight sorted lists of a lexicon.
//
// A list has one word per line (LF or CR LF ends, blanks around the word ignored) and
// is read as UTF-8 when it is valid UTF-8, otherwise as Latin-1. Each word is folded
// to plain capitals (see FoldLetter) and kept when it has 3 to 10 letters, all of
// them in the language's alphabet. In a list written mostly in lower case, a word
// with any capital in it is a proper noun or an abbreviation, and a word that spells
// a Roman numeral in its usual form ("xvii", "ccl") is a numeral: both are dropped
// (the English "mix" with them). In a list mostly in capitals (a per-length word
// file) every word counts.
// The result holds each word once, each length sorted in byte order.
class WordListBuilder {
public:
    static constexpr int kShortest = 3;
    static constexpr int kLongest = 10;

    explicit WordListBuilder(const QString& alphabet);

    WordListStats AddList(QByteArrayView contents);
    LexiconWordLists Finish();

private:
    struct Candidate {
        std::uint64_t packed;
        std::uint8_t length;
        bool nameOrNumeral;  // has a capital or is a Roman numeral
    };

    // Folds one line into `candidate`; false when the line is no word of the lexicon.
    template <bool Utf8>
    bool FoldLine(const unsigned char* begin, const unsigned char* end, Candidate& candidate) const;
    template <bool Utf8>
    void ReadLines(QByteArrayView contents, WordListStats& stats);

    std::array<bool, 26> inAlphabet_{};
    std::vector<Candidate> candidates_;  // the list being read
    std::array<std::vector<std::uint64_t>, kLongest + 1> words_;
};
