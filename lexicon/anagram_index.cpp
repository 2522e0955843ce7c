#include "anagram_index.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint32_t kOddWord = UINT32_MAX;

std::size_t TableSizeFor(std::size_t entries)
{
    // Load factor at most two thirds keeps probe runs short.
    return std::bit_ceil(std::max<std::size_t>(16, entries + entries / 2 + 1));
}

}  // namespace

std::optional<AnagramIndex::Key> AnagramIndex::KeyOf(std::string_view word)
{
    if (word.empty() || word.size() > static_cast<std::size_t>(kMaxIndexedLength))
        return std::nullopt;
    std::array<std::uint8_t, kMaxIndexedLength> codes{};
    const std::size_t n = word.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int code = LetterCode(word[i]);
        if (code == 0)
            return std::nullopt;
        // Insertion sort: at most 12 codes.
        std::size_t j = i;
        for (; j > 0 && codes[j - 1] > code; --j)
            codes[j] = codes[j - 1];
        codes[j] = static_cast<std::uint8_t>(code);
    }
    Key key = 0;
    for (std::size_t i = 0; i < n; ++i)
        key = key << 5 | codes[i];
    return key;
}

std::size_t AnagramIndex::SlotOf(Key key, std::size_t mask)
{
    // The finaliser of SplitMix64: spreads the packed letters over every bit.
    key ^= key >> 30;
    key *= 0xbf58476d1ce4e5b9ULL;
    key ^= key >> 27;
    key *= 0x94d049bb133111ebULL;
    key ^= key >> 31;
    return static_cast<std::size_t>(key) & mask;
}

void AnagramIndex::Build(int length, const char* section, std::int32_t count)
{
    if (length < 1 || length > kMaxIndexedLength)
        return;
    LengthTable& table = tables_[length];
    table = LengthTable{};
    table.indexed = true;
    const std::uint32_t words = count > 0 ? static_cast<std::uint32_t>(count) : 0;

    // First pass: one group per distinct key, numbered in order of first appearance.
    table.buckets.assign(TableSizeFor(words), Slot{});
    std::size_t mask = table.buckets.size() - 1;
    std::vector<std::uint32_t> groupOf(words);
    std::vector<std::uint32_t> groupSize;
    std::vector<Key> groupKey;
    for (std::uint32_t k = 0; k < words; ++k) {
        const std::optional<Key> key = KeyOf(std::string_view(section + static_cast<std::size_t>(k) * length, length));
        if (!key) {
            groupOf[k] = kOddWord;
            table.oddWords.push_back(k);
            continue;
        }
        std::size_t s = SlotOf(*key, mask);
        while (table.buckets[s].group != 0 && table.buckets[s].key != *key)
            s = (s + 1) & mask;
        if (table.buckets[s].group == 0) {
            table.buckets[s] = Slot{*key, static_cast<std::uint32_t>(groupSize.size() + 1)};
            groupSize.push_back(0);
            groupKey.push_back(*key);
        }
        const std::uint32_t group = table.buckets[s].group - 1;
        groupOf[k] = group;
        ++groupSize[group];
    }

    // Second pass: the word numbers of each group side by side, in file order.
    table.groupStart.resize(groupSize.size() + 1);
    table.groupStart[0] = 0;
    for (std::size_t g = 0; g < groupSize.size(); ++g)
        table.groupStart[g + 1] = table.groupStart[g] + groupSize[g];
    table.wordNumbers.resize(table.groupStart.back());
    std::vector<std::uint32_t> next(table.groupStart.begin(), table.groupStart.end() - 1);
    for (std::uint32_t k = 0; k < words; ++k) {
        if (groupOf[k] != kOddWord)
            table.wordNumbers[next[groupOf[k]]++] = k;
    }

    // Anagrams share slots: shrink the table to the number of groups.
    const std::size_t fitted = TableSizeFor(groupKey.size());
    if (fitted < table.buckets.size()) {
        table.buckets.assign(fitted, Slot{});
        mask = fitted - 1;
        for (std::size_t g = 0; g < groupKey.size(); ++g) {
            std::size_t s = SlotOf(groupKey[g], mask);
            while (table.buckets[s].group != 0)
                s = (s + 1) & mask;
            table.buckets[s] = Slot{groupKey[g], static_cast<std::uint32_t>(g + 1)};
        }
    }
    table.oddWords.shrink_to_fit();
}

bool AnagramIndex::Indexed(int length) const
{
    return length >= 1 && length <= kMaxIndexedLength && tables_[length].indexed;
}

std::span<const std::uint32_t> AnagramIndex::Candidates(int length, Key key) const
{
    if (!Indexed(length))
        return {};
    const LengthTable& table = tables_[length];
    const std::size_t mask = table.buckets.size() - 1;
    for (std::size_t s = SlotOf(key, mask); table.buckets[s].group != 0; s = (s + 1) & mask) {
        if (table.buckets[s].key == key) {
            const std::uint32_t g = table.buckets[s].group - 1;
            return std::span<const std::uint32_t>(table.wordNumbers).subspan(
                table.groupStart[g], table.groupStart[g + 1] - table.groupStart[g]);
        }
    }
    return {};
}

std::span<const std::uint32_t> AnagramIndex::OddWords(int length) const
{
    if (!Indexed(length))
        return {};
    return tables_[length].oddWords;
}

std::size_t AnagramIndex::MemoryBytes() const
{
    std::size_t bytes = sizeof(*this);
    for (const LengthTable& table : tables_) {
        bytes += table.buckets.capacity() * sizeof(Slot) + table.groupStart.capacity() * sizeof(std::uint32_t) +
                 table.wordNumbers.capacity() * sizeof(std::uint32_t) + table.oddWords.capacity() * sizeof(std::uint32_t);
    }
    return bytes;
}
