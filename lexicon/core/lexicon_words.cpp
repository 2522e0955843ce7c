// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_words.h"

#include "lexicon/core/lexicon_error.h"
#include "platform/core/program_folder.h"

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
    std::call_once(anagramsBuilt_, [this] {
        auto anagrams = std::make_unique<AnagramIndex>();
        // The parsed counts never reach past the end of the file, so every section
        // lies wholly inside bytes_.
        for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n) {
            const std::int32_t count = Count(n);
            anagrams->Build(n, count > 0 ? bytes_.constData() + index_.SectionStart[n] - 1 : nullptr, count);
        }
        anagrams_ = std::move(anagrams);
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

std::size_t LexiconWords::MemoryBytes() const
{
    return sizeof(*this) + static_cast<std::size_t>(bytes_.capacity()) + Anagrams().MemoryBytes();
}
