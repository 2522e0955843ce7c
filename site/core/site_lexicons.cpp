// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_lexicons.h"

#include <QDir>
#include <QFileInfo>

#include <string_view>

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
            // Built now, not by the first request that looks a word up.
            words->Anagrams();
            lexicons[TableOf(language).Number() - 1] =
                std::make_unique<const Lexicon>(Lexicon{std::move(words), file.absoluteFilePath()});
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
    return lexicon && lexicon->words->Holds(std::string_view(word.constData(), static_cast<std::size_t>(word.size())));
}

LexiconSource SiteLexicons::SourceOf(Language language) const
{
    const std::unique_ptr<const Lexicon>& lexicon = lexicons_[TableOf(language).Number() - 1];
    if (!lexicon)
        return LexiconSource{language, QString(), nullptr};
    return LexiconSource{language, lexicon->path, lexicon->words};
}
