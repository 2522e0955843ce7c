// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_index.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <cstdint>

// The words of one length as they lie in the file: `length` bytes per word, no
// separators. Only whole words are ever held, so Count() * length == bytes.size().
struct LexiconSection {
    int length = 0;
    QByteArray bytes;

    std::int32_t Count() const
    {
        return length > 0 ? static_cast<std::int32_t>(bytes.size() / length) : 0;
    }
    // Word i of the section, i counted from 0.
    QByteArrayView Word(std::int32_t i) const { return QByteArrayView(bytes).sliced(qsizetype(i) * length, length); }
};

// A lexicon file opened for reading, shared with any other reader. Every read goes
// through the index the caller holds and is clamped to the file as it is on disk: a
// word that lies (even partly) outside the file, or outside its section, is simply
// not there. A truncated or corrupt file therefore yields fewer words, never a read
// outside the file.
class LexiconFile {
public:
    LexiconFile() = default;
    LexiconFile(const LexiconFile&) = delete;
    LexiconFile& operator=(const LexiconFile&) = delete;

    // Opens the file named `name`, matched without regard to letter case. False when
    // it is missing or cannot be read.
    bool Open(const QString& name);
    void Close();
    bool IsOpen() const { return file_.isOpen(); }
    std::int64_t Size() const { return size_; }

    // The index of this file, read the way loading reads it.
    LexiconIndex ReadIndex();

    // Word k (counted from 1) of the given length, or an empty array when k is outside
    // 1..SectionCount(length) or the word does not lie wholly inside the file.
    QByteArray ReadWord(const LexiconIndex& index, int length, std::int32_t k);

    // Every whole word of the given length that the index promises and the file holds,
    // in one read: the way to go through many words.
    LexiconSection ReadSection(const LexiconIndex& index, int length);

private:
    // Reads `size` bytes at `offset`, both already known to lie inside the file.
    QByteArray ReadAt(std::int64_t offset, std::int64_t size);

    QFile file_;
    std::int64_t size_ = 0;
};
