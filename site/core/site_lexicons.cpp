// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_lexicons.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

AnagramIndex IndexOf(const LexiconWords& words)
{
    AnagramIndex index;
    for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n) {
        const std::int32_t count = words.Count(n);
        // Every word of one length lies one after the other from the first.
        index.Build(n, count > 0 ? words.Word(n, 0).data() : nullptr, count);
    }
    return index;
}

}  // namespace

SiteLexicons::Lexicon::Lexicon(std::shared_ptr<const LexiconWords> loaded, QString path)
    : words(std::move(loaded)), path(std::move(path)), anagrams(IndexOf(*words))
{
}

std::shared_ptr<const SiteLexicons> SiteLexicons::Load(const QStringList& folders)
{
    Lexicons lexicons;
    for (const Language language : {Language::Italian, Language::English, Language::Latin}) {
        for (const QString& folder : folders) {
            const QFileInfo file(QDir(folder).filePath(TableOf(language).LexiconFileName()));
            if (!file.isFile())
                continue;
            std::shared_ptr<const LexiconWords> words = LexiconWords::Load(file.filePath());
            if (!words)
                continue;
            lexicons[TableOf(language).Number() - 1] = std::make_unique<const Lexicon>(std::move(words), file.absoluteFilePath());
            break;
        }
    }
    return std::shared_ptr<const SiteLexicons>(new SiteLexicons(std::move(lexicons)));
}

std::shared_ptr<const SiteLexicons> SiteLexicons::None()
{
    return std::shared_ptr<const SiteLexicons>(new SiteLexicons(Lexicons{}));
}

bool SiteLexicons::Has(Language language) const
{
    return lexicons_[TableOf(language).Number() - 1] != nullptr;
}

bool SiteLexicons::Holds(Language language, const QByteArray& word) const
{
    const std::unique_ptr<const Lexicon>& lexicon = lexicons_[TableOf(language).Number() - 1];
    const int length = static_cast<int>(word.size());
    if (!lexicon || length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength)
        return false;
    const std::string_view wanted(word.constData(), word.size());
    const auto same = [&](std::uint32_t k) {
        return lexicon->words->Word(length, static_cast<std::int32_t>(k)) == wanted;
    };
    // A word of letters A-Z is among the anagrams its key leads to; any other among
    // the odd words of its length.
    if (const std::optional<AnagramIndex::Key> key = AnagramIndex::KeyOf(wanted)) {
        const std::span<const std::uint32_t> candidates = lexicon->anagrams.Candidates(length, *key);
        return std::any_of(candidates.begin(), candidates.end(), same);
    }
    const std::span<const std::uint32_t> odd = lexicon->anagrams.OddWords(length);
    return std::any_of(odd.begin(), odd.end(), same);
}

LexiconSource SiteLexicons::SourceOf(Language language) const
{
    const std::unique_ptr<const Lexicon>& lexicon = lexicons_[TableOf(language).Number() - 1];
    if (!lexicon)
        return LexiconSource{language, QString(), nullptr};
    return LexiconSource{language, lexicon->path, lexicon->words};
}
