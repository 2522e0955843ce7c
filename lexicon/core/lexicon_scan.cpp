// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_scan.h"
#include "lexicon/core/letter_test.h"
#include "platform/core/program_folder.h"
#include "lexicon/core/word_lookup.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

LexiconResult<LexiconScan> LexiconScan::Open(const QString& fileName)
{
    if (!ProgramFolder::Exists(fileName))
        return LexiconError::MissingFile(Language::Italian, fileName);
    if (QFileInfo(ProgramFolder::Resolve(fileName)).size() > kLargestLexiconFileBytes)
        return LexiconError::TooLargeFile(Language::Italian, fileName);
    LexiconScan scan;
    scan.file_ = std::make_unique<QFile>(ProgramFolder::Resolve(fileName));
    if (!scan.file_->open(QIODevice::ReadOnly))
        return LexiconError::UnreadableFile(Language::Italian, fileName);
    // The index is read, not mapped: a file that opens but cannot be read says so here.
    const QByteArray head = scan.file_->read(LexiconIndex::kHeaderSize);
    if (scan.file_->error() != QFileDevice::NoError)
        return LexiconError::UnreadableFile(Language::Italian, fileName);
    scan.size_ = scan.file_->size();
    if (scan.size_ > 0) {
        // The rebuild replaces a lexicon by renaming a new file over it, so the
        // mapped file itself never changes under the reader.
        scan.bytes_ = reinterpret_cast<const char*>(scan.file_->map(0, scan.size_));
        if (!scan.bytes_) {
            scan.copy_ = scan.file_->seek(0) ? scan.file_->readAll() : QByteArray();
            if (scan.file_->error() != QFileDevice::NoError)
                return LexiconError::UnreadableFile(Language::Italian, fileName);
            scan.bytes_ = scan.copy_.constData();
            scan.size_ = scan.copy_.size();
        }
    }
    scan.index_ = LexiconIndex::Parse(head, scan.size_);
    return scan;
}

std::string_view LexiconScan::Section(int length) const
{
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength || index_.SectionCount[length] <= 0)
        return {};
    // The parsed index never reaches past the end of the file.
    const std::int64_t first = index_.WordOffset(length, 1);
    return std::string_view(bytes_ + first, static_cast<std::size_t>(index_.SectionCount[length]) * length);
}

QStringList LexiconScan::FindAll(const QString& drawnLetters, int letterCount) const
{
    const DrawnLetterCounts counts(drawnLetters);
    QStringList found;
    for (int n = LexiconIndex::kMinLength; n <= std::min(letterCount, LexiconIndex::kMaxLength); ++n) {
        const std::string_view section = Section(n);
        for (std::size_t at = 0; at < section.size(); at += static_cast<std::size_t>(n)) {
            const std::string_view word = section.substr(at, static_cast<std::size_t>(n));
            if (counts.Spells(word))
                found.append(QString::fromLatin1(word.data(), n));
        }
    }
    return found;
}

bool LexiconScan::Contains(const QString& word) const
{
    const std::optional<std::string> bytes = WordAsLexiconBytes(word);
    if (!bytes)
        return false;
    const std::size_t n = bytes->size();
    const std::string_view section = Section(static_cast<int>(n));
    for (std::size_t at = 0; at < section.size(); at += n) {
        if (std::memcmp(section.data() + at, bytes->data(), n) == 0)
            return true;
    }
    return false;
}
