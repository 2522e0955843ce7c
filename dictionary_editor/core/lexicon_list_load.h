// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"

#include "lexicon/core/lexicon_index.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The bytes of a lexicon file read for the editor.
struct LexiconFileBytes {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes;
    QString error;  // for Missing and Unreadable, in the program's words
};

// A lexicon holds at most 99,999,999 bytes (its positions are 8 decimal digits);
// anything larger is not a lexicon file.
inline constexpr std::int64_t kLargestLexiconFile = 100'000'000;

// Reads the lexicon file `name` (matched without regard to case) whole: only a
// regular file of a lexicon's size.
LexiconFileBytes ReadLexiconFile(const QString& name);

// Fills the editor's lists from a lexicon file's bytes, one piece at a time, so a
// window can show its progress and stop it between two pieces. The lists are emptied
// at the start; each list gets its words whole, when its length is done. Lengths 11
// to 15 are not read.
class LexiconListLoad {
public:
    LexiconListLoad(EditorWordLists& lists, QByteArray fileBytes);

    // Reads up to `words` further words; false once every list is filled.
    bool Step(std::int64_t words);
    void RunToEnd();
    bool Finished() const { return length_ > EditorWordLists::kLongest; }

    // Progress of the length being read: its words read so far and its count.
    int Length() const { return length_; }
    std::int64_t DoneInLength() const { return done_; }
    std::int64_t CountInLength() const;

private:
    EditorWordLists& lists_;
    QByteArray bytes_;
    LexiconIndex index_;
    int length_ = EditorWordLists::kShortest;
    std::int64_t done_ = 0;
    QStringList pending_;
};
