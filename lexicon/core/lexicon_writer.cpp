// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_writer.h"

#include "lexicon/core/lexicon_index.h"
#include "platform/core/program_folder.h"

#include <cstring>

namespace {

constexpr int kBannerSize = 199;
constexpr int kMinimumFileSize = 455;
constexpr int kFieldSize = 8;
// The largest position an 8-byte field holds (the sign blank gives way to an eighth
// digit; readers skip blanks and read digits, so both forms read the same).
constexpr qint64 kLargestPosition = 99'999'999;

void PutField(QByteArray& file, qint64 offset, qint64 position)
{
    const QByteArray text = (' ' + QByteArray::number(position)).right(kFieldSize).rightJustified(kFieldSize, ' ');
    std::memcpy(file.data() + offset, text.constData(), kFieldSize);
}

}  // namespace

LexiconImage ComposeLexicon(const LexiconWordLists& lists, QByteArrayView banner)
{
    LexiconImage image;
    qint64 wordBytes = 0;
    for (int k = 0; k < kLexiconListCount; ++k) {
        const int length = k + LexiconIndex::kMinLength;
        image.listEntries[k] = lists[k].size();
        for (const QByteArray& word : lists[k]) {
            if (word.size() == length)
                ++image.wordsWritten[k];
        }
        image.totalWritten += image.wordsWritten[k];
        wordBytes += image.wordsWritten[k] * length;
    }
    if (LexiconIndex::kFirstWordPosition + wordBytes > kLargestPosition) {
        image.error = QStringLiteral("too many words for a lexicon file (%1 bytes of words)").arg(wordBytes);
        return image;
    }

    QByteArray& file = image.bytes;
    file = QByteArray(std::max<qint64>(kMinimumFileSize, LexiconIndex::kHeaderSize + wordBytes), '\0');
    std::memset(file.data(), ' ', kBannerSize);
    std::memcpy(file.data(), banner.data(), std::min<qsizetype>(banner.size(), kBannerSize));

    qint64 position = LexiconIndex::kFirstWordPosition;  // 1-based
    for (int k = 0; k < kLexiconListCount; ++k) {
        if (image.wordsWritten[k] == 0)
            continue;  // the record stays 16 zero bytes
        const int length = k + LexiconIndex::kMinLength;
        const qint64 record = LexiconIndex::kIndexOffset + qint64(k) * LexiconIndex::kRecordSize;
        PutField(file, record, position);
        for (const QByteArray& word : lists[k]) {
            if (word.size() != length)
                continue;
            std::memcpy(file.data() + position - 1, word.constData(), length);
            position += length;
        }
        PutField(file, record + kFieldSize, position);
    }
    return image;
}

QByteArray LexiconBanner(Language language)
{
    QByteArray text = QByteArray("Letterama - lessico ") + TableOf(language).AdjectiveInBanner.toLatin1() +
                      ": parole da 3 a 10 lettere, una lettera per byte, raggruppate per lunghezza."
                      " Scritto dagli strumenti del dizionario di Letterama.";
    return text.leftJustified(kBannerSize, ' ', true);
}

bool WriteLexiconFile(const QString& name, const LexiconImage& image, QString* error)
{
    if (!image.error.isEmpty()) {
        if (error)
            *error = image.error;
        return false;
    }
    return ProgramFolder::WriteAtomically(name, image.bytes, error);
}

LexiconWordLists ToLexiconWordLists(const std::array<QStringList, kLexiconListCount>& lists)
{
    LexiconWordLists bytes;
    for (int k = 0; k < kLexiconListCount; ++k) {
        bytes[k].reserve(lists[k].size());
        for (const QString& word : lists[k])
            bytes[k].append(word.toLatin1());
    }
    return bytes;
}
