#pragma once

#include "lexicon_words.h"

#include <QString>

#include <memory>

class Dialogs;

// Where the readers of a language's lexicon (the word lookup, the computer search)
// find it: the file, which they check on every run because the player may have
// removed it meanwhile, and the words held in memory since it was loaded.
struct LexiconSource {
    int Language = 1;
    QString FileName;                            // found without regard to letter case
    std::shared_ptr<const LexiconWords> Words;  // null: read the file when needed

    // "SLESSICO.<language>" in the current folder, with the words loaded from it.
    static LexiconSource ForLanguage(int language, std::shared_ptr<const LexiconWords> words = nullptr);

    // The words to read. When the file is missing (or cannot be read) shows the
    // "Errore 0002" message and returns nothing.
    std::shared_ptr<const LexiconWords> Open(Dialogs& dialogs) const;
};

// "Errore 0002: Non trovato file di vocabolario SLESSICO." followed by the language.
QString MissingLexiconMessage(int language);
