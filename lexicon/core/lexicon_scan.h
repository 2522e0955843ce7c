// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_error.h"
#include "lexicon/core/lexicon_index.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>

// One question answered straight from a lexicon file: a single pass over the
// sections it needs, with no words copied and no anagram index built. Loading the
// whole file and indexing it pays off over a game's many questions; a command that
// asks one question and ends is many times faster this way, with the same answers.
// The file is mapped into memory, so only the pages of the sections read are touched.
class LexiconScan {
public:
    // Opens the file `fileName` (matched without regard to letter case) and reads its
    // index. An error when no regular file has that name, it is larger than any
    // lexicon (kLargestLexiconFileBytes), or it cannot be read.
    static LexiconResult<LexiconScan> Open(const QString& fileName);

    // What the computer players' search finds (WordSearch::FindAll): the words of 3
    // to letterCount letters that the drawn letters spell, by length ascending and in
    // file order within a length.
    QStringList FindAll(const QString& drawnLetters, int letterCount) const;

    // Whether the file holds exactly the bytes of `word` (WordLookup::InLexicon);
    // only the section of the word's length is read.
    bool Contains(const QString& word) const;

private:
    LexiconScan() = default;

    // The whole words of that length that the index promises and the file holds.
    std::string_view Section(int length) const;

    std::unique_ptr<QFile> file_;  // kept open while mapped
    QByteArray copy_;              // the contents, where the file could not be mapped
    const char* bytes_ = nullptr;
    std::int64_t size_ = 0;
    LexiconIndex index_;
};
