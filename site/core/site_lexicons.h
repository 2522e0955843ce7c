// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"
#include "lexicon/core/lexicon_source.h"
#include "lexicon/core/lexicon_words.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <memory>

// The lexicons the site judges reported words with, one per language. Loaded whole,
// anagram index included, before anyone can hold them: the only way to get one is a
// pointer to a const object, and its words never change after loading, so every
// request thread reads it at once without a lock. The games of the live tables and
// the day's challenge search the same words and the same index.
class SiteLexicons {
public:
    // Each "SLESSICO.<n>" is taken from the first of `folders` that holds it as a
    // regular file; a language with none has no lexicon.
    static std::shared_ptr<const SiteLexicons> Load(const QStringList& folders);
    // No lexicon at all: every word is reported.
    static std::shared_ptr<const SiteLexicons> None();

    bool Has(Language language) const;
    // Whether the lexicon of the language holds the word (its letters as the lexicon
    // spells them), by the game's own rule (LexiconWords::Holds); false without a
    // lexicon.
    bool Holds(Language language, const QByteArray& word) const;
    // The language's lexicon as a game reads it (its file and the words loaded from
    // it); no words and no file without a lexicon.
    LexiconSource SourceOf(Language language) const;

private:
    struct Lexicon {
        const std::shared_ptr<const LexiconWords> words;
        const QString path;
    };
    using Lexicons = std::array<std::unique_ptr<const Lexicon>, 3>;

    explicit SiteLexicons(Lexicons lexicons) : lexicons_(std::move(lexicons)) {}

    const Lexicons lexicons_;
};
