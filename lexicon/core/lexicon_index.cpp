// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_index.h"

#include <QFile>

#include <algorithm>

std::int32_t ParseIndexField(const char* field, int size)
{
    int i = 0;
    while (i < size && field[i] == ' ')
        ++i;
    std::int64_t value = 0;
    for (; i < size && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > INT32_MAX)  // only possible with a wider field than the file's 8 bytes
            return INT32_MAX;
    }
    return static_cast<std::int32_t>(value);
}

LexiconIndex LexiconIndex::Parse(const QByteArray& head, std::int64_t fileSize)
{
    QByteArray index = head.mid(kIndexOffset, (kMaxLength - kMinLength + 1) * kRecordSize);
    index.append(QByteArray((kMaxLength - kMinLength + 1) * kRecordSize - index.size(), '\0'));

    LexiconIndex result;
    for (int n = kMinLength; n <= kMaxLength; ++n) {
        const char* record = index.constData() + (n - kMinLength) * kRecordSize;
        const std::int32_t start = ParseIndexField(record, 8);
        const std::int32_t end = ParseIndexField(record + 8, 8);
        result.SectionStart[n] = start;
        std::int64_t count = (static_cast<std::int64_t>(end) - start) / n;
        if (start < 1 || start > fileSize)
            count = 0;
        else
            count = std::min<std::int64_t>(count, (fileSize - start + 1) / n);
        result.SectionCount[n] = static_cast<std::int32_t>(std::max<std::int64_t>(count, 0));
    }
    return result;
}

std::optional<LexiconIndex> LexiconIndex::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(kIndexOffset + (kMaxLength - kMinLength + 1) * kRecordSize);
    return Parse(head, file.size());
}

std::int64_t LexiconIndex::WordCount() const
{
    std::int64_t total = 0;
    for (int n = kMinLength; n <= kMaxLength; ++n)
        total += SectionCount[n];
    return total;
}

std::int64_t LexiconIndex::WordOffset(int length, std::int32_t k) const
{
    return static_cast<std::int64_t>(SectionStart[length]) - 1 + static_cast<std::int64_t>(k - 1) * length;
}
