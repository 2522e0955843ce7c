// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_file.h"

#include "platform/core/program_folder.h"

#include <algorithm>

namespace {

bool IsWordLength(int length)
{
    return length >= LexiconIndex::kMinLength && length <= LexiconIndex::kMaxLength;
}

}  // namespace

bool LexiconFile::Open(const QString& name)
{
    Close();
    file_.setFileName(ProgramFolder::Resolve(name));
    // QFile opens without any lock, so other readers (and the rebuild's rename) are
    // never kept out. Unbuffered: every read sees the file as it is at that moment,
    // not a read-ahead copy taken before it was cut short.
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    if (file_.isSequential()) {  // a pipe or device: no positions to seek to
        Close();
        return false;
    }
    size_ = file_.size();
    return true;
}

void LexiconFile::Close()
{
    if (file_.isOpen())
        file_.close();
    size_ = 0;
}

LexiconIndex LexiconFile::ReadIndex()
{
    const std::int64_t headSize =
        std::min<std::int64_t>(size_, LexiconIndex::kIndexOffset +
                                          (LexiconIndex::kMaxLength - LexiconIndex::kMinLength + 1) *
                                              LexiconIndex::kRecordSize);
    return LexiconIndex::Parse(IsOpen() ? ReadAt(0, headSize) : QByteArray(), size_);
}

QByteArray LexiconFile::ReadWord(const LexiconIndex& index, int length, std::int32_t k)
{
    if (!IsOpen() || !IsWordLength(length) || k < 1 || k > index.SectionCount[length])
        return {};
    const std::int64_t offset = index.WordOffset(length, k);
    if (offset < 0 || offset + length > size_)
        return {};
    QByteArray word = ReadAt(offset, length);
    if (word.size() != length)  // the file shrank since it was opened
        return {};
    return word;
}

LexiconSection LexiconFile::ReadSection(const LexiconIndex& index, int length)
{
    LexiconSection section;
    section.length = length;
    if (!IsOpen() || !IsWordLength(length) || index.SectionCount[length] <= 0)
        return section;
    const std::int64_t first = index.WordOffset(length, 1);
    if (first < 0 || first >= size_)
        return section;
    const std::int64_t wordsInFile = (size_ - first) / length;
    const std::int64_t words = std::min<std::int64_t>(index.SectionCount[length], wordsInFile);
    section.bytes = ReadAt(first, words * length);
    // A short read (the file shrank under us) still leaves only whole words.
    section.bytes.truncate(section.bytes.size() - section.bytes.size() % length);
    return section;
}

QByteArray LexiconFile::ReadAt(std::int64_t offset, std::int64_t size)
{
    if (size <= 0 || !file_.seek(offset))
        return {};
    return file_.read(size);
}
