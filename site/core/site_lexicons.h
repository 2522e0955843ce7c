// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language.h"
#include "lexicon_words.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <memory>

// The lexicons the site judges reported words with, one per language, loaded once at
// start and then only read, by every request thread at once.
class SiteLexicons {
public:
    // Each "SLESSICO.<n>" is taken from the first of `folders` that holds it as a
    // regular file; a language with none has no lexicon.
    static SiteLexicons Load(const QStringList& folders);

    bool Has(Language language) const;
    // Whether the lexicon of the language holds the word; false without a lexicon.
    bool Holds(Language language, const QByteArray& word) const;

private:
    std::array<std::shared_ptr<const LexiconWords>, 3> words_;
};
