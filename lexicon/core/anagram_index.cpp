// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/anagram_index.h"

#include <algorithm>
#include <bit>

namespace {

// SplitMix64 from a fixed seed: the same letter numbers in every run.
constexpr std::array<AnagramIndex::Key, 26> MakeLetterKeys()
{
    std::array<AnagramIndex::Key, 26> keys{};
    std::uint64_t state = 0x4c6574746572616dULL;
    for (auto& key : keys) {
        state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        key = z ^ (z >> 31);
    }
    return keys;
}
constexpr std::array<AnagramIndex::Key, 26> kLetterKeys = MakeLetterKeys();

bool IsLetter(char c)
{
    return static_cast<unsigned char>(c - 'A') < 26;
}

}  // namespace

std::optional<AnagramIndex::Key> AnagramIndex::LetterKey(char c)
{
    if (!IsLetter(c))
        return std::nullopt;
    return kLetterKeys[static_cast<unsigned char>(c - 'A')];
}

std::optional<AnagramIndex::Key> AnagramIndex::KeyOf(std::string_view word)
{
    if (word.empty())
        return std::nullopt;
    Key key = 0;
    for (const char c : word) {
        if (!IsLetter(c))
            return std::nullopt;
        key += kLetterKeys[static_cast<unsigned char>(c - 'A')];
    }
    return key;
}

void AnagramIndex::Build(int length, const char* section, std::int32_t count)
{
    if (length < 1 || length > kMaxLength)
        return;
    LengthTable& table = tables_[length];
    table = LengthTable{};
    const std::uint32_t words = count > 0 ? static_cast<std::uint32_t>(count) : 0;

    // About one word per bucket.
    const int bucketBits = std::max(1, static_cast<int>(std::bit_width(words)));
    table.bucketShift = 64 - bucketBits;
    const std::size_t buckets = std::size_t{1} << bucketBits;

    std::vector<Key> keys(words);
    std::vector<std::uint32_t> bucketStart(buckets + 1, 0);
    for (std::uint32_t k = 0; k < words; ++k) {
        const std::optional<Key> key = KeyOf(std::string_view(section + std::size_t{k} * length, length));
        if (!key) {
            table.oddWords.push_back(k);
            continue;
        }
        keys[k] = *key;
        ++bucketStart[(*key >> table.bucketShift) + 1];
    }
    for (std::size_t b = 0; b < buckets; ++b)
        bucketStart[b + 1] += bucketStart[b];

    // A stable counting sort by bucket keeps file order within each bucket...
    table.wordNumbers.resize(bucketStart[buckets]);
    {
        std::vector<std::uint32_t> next(bucketStart.begin(), bucketStart.end() - 1);
        auto odd = table.oddWords.begin();
        for (std::uint32_t k = 0; k < words; ++k) {
            if (odd != table.oddWords.end() && *odd == k) {
                ++odd;
                continue;
            }
            table.wordNumbers[next[keys[k] >> table.bucketShift]++] = k;
        }
    }

    // ...and a stable sort by key inside each bucket (one or two words as a rule)
    // puts the anagrams side by side, still in file order.
    table.firstGroup.assign(buckets + 1, 0);
    const auto byKey = [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; };
    for (std::size_t b = 0; b < buckets; ++b) {
        const auto first = table.wordNumbers.begin() + bucketStart[b];
        const auto last = table.wordNumbers.begin() + bucketStart[b + 1];
        if (last - first > 1)
            std::stable_sort(first, last, byKey);
        table.firstGroup[b] = static_cast<std::uint32_t>(table.groupKey.size());
        for (auto it = first; it != last; ++it) {
            if (it == first || keys[*it] != keys[*(it - 1)]) {
                table.groupKey.push_back(keys[*it]);
                table.groupStart.push_back(static_cast<std::uint32_t>(it - table.wordNumbers.begin()));
            }
        }
    }
    table.firstGroup[buckets] = static_cast<std::uint32_t>(table.groupKey.size());
    table.groupStart.push_back(static_cast<std::uint32_t>(table.wordNumbers.size()));
    table.groupKey.shrink_to_fit();
    table.groupStart.shrink_to_fit();
    table.oddWords.shrink_to_fit();
}

std::span<const std::uint32_t> AnagramIndex::Candidates(int length, Key key) const
{
    if (length < 1 || length > kMaxLength || tables_[length].firstGroup.empty())
        return {};
    const LengthTable& table = tables_[length];
    const std::size_t bucket = key >> table.bucketShift;
    for (std::uint32_t g = table.firstGroup[bucket]; g < table.firstGroup[bucket + 1]; ++g) {
        if (table.groupKey[g] == key) {
            return std::span<const std::uint32_t>(table.wordNumbers)
                .subspan(table.groupStart[g], table.groupStart[g + 1] - table.groupStart[g]);
        }
    }
    return {};
}

std::span<const std::uint32_t> AnagramIndex::OddWords(int length) const
{
    if (length < 1 || length > kMaxLength)
        return {};
    return tables_[length].oddWords;
}

std::size_t AnagramIndex::MemoryBytes() const
{
    std::size_t bytes = sizeof(*this);
    for (const LengthTable& table : tables_) {
        bytes += (table.firstGroup.capacity() + table.groupStart.capacity() + table.wordNumbers.capacity() +
                  table.oddWords.capacity()) *
                     sizeof(std::uint32_t) +
                 table.groupKey.capacity() * sizeof(Key);
    }
    return bytes;
}
