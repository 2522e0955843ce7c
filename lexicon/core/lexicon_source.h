// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_error.h"
#include "lexicon/core/lexicon_words.h"

#include <QString>

#include <memory>

// Where the readers of a language's lexicon (the word lookup, the computer search)
// find it: the file, which they check on every run because the player may have
// removed it meanwhile, and the words held in memory since it was loaded.
class ProgramFiles;

struct LexiconSource {
    Language LexiconLanguage = Language::Italian;
    QString FileName;                            // the path; its name found without regard to letter case
    std::shared_ptr<const LexiconWords> Words;  // null: read the file when needed

    // "SLESSICO.<language>" of `files`, with the words loaded from it.
    static LexiconSource ForLanguage(const ProgramFiles& files, Language language,
                                     std::shared_ptr<const LexiconWords> words = nullptr);

    // The words to read (never null), or why there are none: the file is missing, or
    // it had to be read and could not be.
    LexiconResult<std::shared_ptr<const LexiconWords>> Open() const;
};
