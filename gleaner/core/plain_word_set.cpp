// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/plain_word_set.h"

namespace {

constexpr std::size_t kFirstCapacity = 64;

std::uint64_t Mix(std::uint64_t value)
{
    // The finaliser of splitmix64: spreads every input bit over the whole result.
    value ^= value >> 30;
    value *= 0xbf58476d1ce4e5b9ULL;
    value ^= value >> 27;
    value *= 0x94d049bb133111ebULL;
    value ^= value >> 31;
    return value;
}

}  // namespace

bool PlainWordSet::Pack(QByteArrayView word, Key* key)
{
    if (word.isEmpty() || word.size() > kMaxLetters)
        return false;
    Key packed;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char letter = word[i];
        if (letter < 'A' || letter > 'Z')
            return false;
        // 1 to 26, so that no word packs to the empty key and lengths stay apart.
        const std::uint64_t code = static_cast<std::uint64_t>(letter - 'A' + 1);
        if (i < 12)
            packed.low |= code << (5 * i);
        else
            packed.high |= code << (5 * (i - 12));
    }
    *key = packed;
    return true;
}

bool PlainWordSet::Holds(QByteArrayView word)
{
    Key key;
    return Pack(word, &key);
}

std::size_t PlainWordSet::SlotOf(const Key& key) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = Mix(key.low ^ Mix(key.high)) & mask;
    while (!slots_[slot].Empty() && !(slots_[slot] == key))
        slot = (slot + 1) & mask;
    return slot;
}

void PlainWordSet::Rehash(std::size_t capacity)
{
    std::vector<Key> old = std::move(slots_);
    slots_.assign(capacity, Key{});
    for (const Key& key : old) {
        if (!key.Empty())
            slots_[SlotOf(key)] = key;
    }
}

void PlainWordSet::Reserve(qsizetype words)
{
    std::size_t capacity = slots_.empty() ? kFirstCapacity : slots_.size();
    while (capacity < static_cast<std::size_t>(words) * 2)
        capacity *= 2;
    if (capacity > slots_.size())
        Rehash(capacity);
}

bool PlainWordSet::Insert(QByteArrayView word)
{
    Key key;
    if (!Pack(word, &key))
        return false;
    // At most half full, so that probes stay short.
    if (static_cast<std::size_t>(size_ + 1) * 2 > slots_.size())
        Rehash(slots_.empty() ? kFirstCapacity : slots_.size() * 2);
    Key& slot = slots_[SlotOf(key)];
    if (!slot.Empty())
        return false;
    slot = key;
    ++size_;
    return true;
}

bool PlainWordSet::Contains(QByteArrayView word) const
{
    Key key;
    if (slots_.empty() || !Pack(word, &key))
        return false;
    return !slots_[SlotOf(key)].Empty();
}
