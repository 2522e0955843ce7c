// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The index of a lexicon file: 13 records of 16 bytes at offset 200, one per word
// length 3 to 15. Each record holds two 8-byte decimal fields, Start and End, the
// 1-based file positions of the first word of that length and just after its last.
// Word k of length n (k from 1) lies at position Start + (k - 1) * n.
struct LexiconIndex {
    static constexpr int kMinLength = 3;
    static constexpr int kMaxLength = 15;
    static constexpr int kIndexOffset = 200;
    static constexpr int kRecordSize = 16;
    static constexpr int kHeaderSize = 439;  // banner, gap, index, reserved bytes
    static constexpr int kFirstWordPosition = 440;

    // Indexed by word length; entries below 3 stay 0.
    std::array<std::int32_t, kMaxLength + 1> SectionStart{};
    std::array<std::int32_t, kMaxLength + 1> SectionCount{};

    // Reads the index out of the first bytes of a file of `fileSize` bytes. Bytes
    // past the end of `head` read as zero. A count never reaches past the end of the
    // file, and a section without a usable start holds no words, so a truncated or
    // corrupt file can never make a reader step outside it.
    static LexiconIndex Parse(const QByteArray& head, std::int64_t fileSize);

    // Reads the index of the lexicon file at `path`; nothing when it is missing or
    // cannot be opened.
    static std::optional<LexiconIndex> Load(const QString& path);

    // Total number of words of lengths 3 to 15.
    std::int64_t WordCount() const;
    // 0-based file offset of word k (1-based) of length n.
    std::int64_t WordOffset(int length, std::int32_t k) const;
};

// The value of an index field: leading blanks skipped, then decimal digits up to the
// first other character; a field without digits is 0.
std::int32_t ParseIndexField(const char* field, int size);
