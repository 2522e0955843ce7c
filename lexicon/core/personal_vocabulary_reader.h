// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reads the player's personal vocabulary: a text file of one word per line, lines
// ended by CR LF (a lone CR or LF also ends a line), one byte per character. Entries
// count in upper case, whatever case the file holds them in.
class PersonalVocabularyReader {
public:
    // Reads the file `fileName` (found without regard to letter case) from the top and
    // stops at the first line that, in upper case, equals `word` and differs from
    // `excluded`: true when there is one. A missing file, or an empty name, holds no
    // words.
    static bool Find(const QString& fileName, const QString& word, const QString& excluded);
};
