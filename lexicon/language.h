#pragma once

#include <QString>

// The alphabet and the two weighted letter pools of a lexicon language. A letter's
// share of draws is its number of copies in the pool.
struct LanguageTables {
    QString Alphabet;
    QString VowelPool;
    QString ConsonantPool;
};

// Language 1 is Italian with its 21-letter alphabet; any other number (2 English,
// 3 Latin) has the 26-letter alphabet and pools with Y, J, K, X and W.
LanguageTables TablesForLanguage(int language);

// "SLESSICO." followed by the language number.
QString LexiconFileName(int language);
