// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_words.h"

#include "lexicon/core/lexicon_error.h"
#include "platform/core/program_folder.h"

#include <algorithm>

std::shared_ptr<const LexiconWords> LexiconWords::Load(const QString& path)
{
    // Only a regular file within the limit: a huge (or sparse) file would exhaust the
    // memory, a pipe would never end.
    ProgramFolder::ReadResult file = ProgramFolder::Read(path, kLargestLexiconFileBytes);
    if (!file.Ok())
        return nullptr;
    return FromFileBytes(std::move(file.bytes));
}

std::shared_ptr<const LexiconWords> LexiconWords::FromFileBytes(QByteArray bytes)
{
    return std::shared_ptr<const LexiconWords>(new LexiconWords(std::move(bytes)));
}

LexiconWords::LexiconWords(QByteArray bytes)
    : bytes_(std::move(bytes)), index_(LexiconIndex::Parse(bytes_, bytes_.size()))
{
}

const AnagramIndex& LexiconWords::Anagrams() const
{
    if (const AnagramIndex* built = builtAnagrams_.load(std::memory_order_acquire))
        return *built;
    std::call_once(anagramsBuilt_, [this] {
        auto anagrams = std::make_unique<AnagramIndex>();
        // The parsed counts never reach past the end of the file, so every section
        // lies wholly inside bytes_.
        for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n) {
            const std::int32_t count = Count(n);
            anagrams->Build(n, count > 0 ? bytes_.constData() + index_.SectionStart[n] - 1 : nullptr, count);
        }
        anagrams_ = std::move(anagrams);
        builtAnagrams_.store(anagrams_.get(), std::memory_order_release);
    });
    return *anagrams_;
}

std::int32_t LexiconWords::Count(int length) const
{
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength)
        return 0;
    return index_.SectionCount[length];
}

std::string_view LexiconWords::Word(int length, std::int32_t k) const
{
    return std::string_view(bytes_.constData() + index_.WordOffset(length, k + 1), static_cast<std::size_t>(length));
}

bool LexiconWords::Holds(std::string_view word) const
{
    const int length = static_cast<int>(word.size());
    if (Count(length) <= 0)
        return false;
    const auto same = [&](std::uint32_t k) { return Word(length, static_cast<std::int32_t>(k)) == word; };
    // A word of letters A-Z is among the anagrams its key leads to; any other is
    // among the odd words of its length.
    const AnagramIndex& index = Anagrams();
    if (const std::optional<AnagramIndex::Key> key = AnagramIndex::KeyOf(word)) {
        const std::span<const std::uint32_t> candidates = index.Candidates(length, *key);
        return std::any_of(candidates.begin(), candidates.end(), same);
    }
    const std::span<const std::uint32_t> odd = index.OddWords(length);
    return std::any_of(odd.begin(), odd.end(), same);
}

std::size_t LexiconWords::MemoryBytes() const
{
    return sizeof(*this) + static_cast<std::size_t>(bytes_.capacity()) + Anagrams().MemoryBytes();
}
