// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>

// The word lists a lexicon file is written from: list k (0 to 7) holds the words
// meant to have k + 3 letters, one byte per letter, in the order they are written.
inline constexpr int kLexiconListCount = 8;
using LexiconWordLists = std::array<QByteArrayList, kLexiconListCount>;

// A lexicon file composed in memory, with what went into it.
struct LexiconImage {
    QByteArray bytes;
    // Entries of each list, whatever their length: the count shown beside the list.
    std::array<qsizetype, kLexiconListCount> listEntries{};
    // Entries of each list that had the list's length and were written.
    std::array<qsizetype, kLexiconListCount> wordsWritten{};
    qsizetype totalWritten = 0;
    // Not empty when the words do not fit in a lexicon file; `bytes` is then empty.
    QString error;
};

// The layout, offsets 0-based:
//   0..198   banner, blank padded; 199 zero;
//   200..407 13 index records of 16 bytes for lengths 3 to 15, each two 8-byte
//            fields Start and End holding 1-based positions as decimal text, a blank
//            for the sign and the digits right-aligned ("     440"); a length without
//            words keeps 16 zero bytes, as do lengths 11 to 15;
//   408..438 zero; from 439 (position 440) the words, lengths 3 to 10 in turn,
//            each list in its own order, no separators.
// An entry whose length is not its list's is skipped. The file is zero-filled up to
// position 455, so it is never shorter than 455 bytes.
LexiconImage ComposeLexicon(const LexiconWordLists& lists, QByteArrayView banner);

// Our description of the vocabulary of a language, blank padded to the 199 bytes of
// the banner.
QByteArray LexiconBanner(Language language);

// Writes a composed image to the file `name` (matched without regard to case) through
// a temporary file, so the old lexicon stays whole until the new one is complete.
bool WriteLexiconFile(const QString& name, const LexiconImage& image, QString* error = nullptr);

// Lists held as text, converted one byte per letter (Latin-1) as the file stores them.
LexiconWordLists ToLexiconWordLists(const std::array<QStringList, kLexiconListCount>& lists);
