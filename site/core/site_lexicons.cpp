// SPDX-License-Identifier: GPL-3.0-or-later
#include "site_lexicons.h"

#include "word_lookup.h"

#include <QDir>
#include <QFileInfo>

SiteLexicons SiteLexicons::Load(const QStringList& folders)
{
    SiteLexicons lexicons;
    for (const Language language : {Language::Italian, Language::English, Language::Latin}) {
        for (const QString& folder : folders) {
            const QFileInfo file(QDir(folder).filePath(TableOf(language).LexiconFileName()));
            if (!file.isFile())
                continue;
            std::shared_ptr<const LexiconWords> words = LexiconWords::Load(file.filePath());
            if (!words)
                continue;
            // Built now, while one thread runs: the index is built lazily otherwise,
            // and the request threads only ever read it.
            words->Anagrams();
            lexicons.words_[TableOf(language).Number() - 1] = std::move(words);
            break;
        }
    }
    return lexicons;
}

bool SiteLexicons::Has(Language language) const
{
    return words_[TableOf(language).Number() - 1] != nullptr;
}

bool SiteLexicons::Holds(Language language, const QByteArray& word) const
{
    const std::shared_ptr<const LexiconWords>& words = words_[TableOf(language).Number() - 1];
    return words && WordLookup::InLexicon(*words, QString::fromLatin1(word));
}
