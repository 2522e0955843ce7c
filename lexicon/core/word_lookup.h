// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_source.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

// The verdicts of the word lookup; the results board adds "NO1" of its own.
namespace WordVerdict {
inline const QString Valid = QStringLiteral("SI");        // spelt from the draw, known
inline const QString Unknown = QStringLiteral("NO");      // spelt from the draw, in neither list
inline const QString NotSpelt = QStringLiteral("NO2");    // needs letters not drawn, or under 3 letters
inline const QString NoLexicon = QString();               // the lexicon file is missing
}  // namespace WordVerdict

// Decides whether a word handed in counts: spelt from the drawn letters, at least 3
// letters long, and in the lexicon (byte for byte) or the personal vocabulary (in
// upper case, the entry `excluded` aside). The personal vocabulary is read even when
// the lexicon knows the word.
class WordLookup {
public:
    struct Query {
        QString word;      // upper case, as handed in
        QString excluded;  // a vocabulary entry that does not count; empty for none
        QString drawnLetters;
    };

    // Whether the lexicon holds the word; asked only for a word that passed the
    // letter and length tests.
    using LexiconCheck = std::function<bool(const QString& word)>;

    // "SI", "NO" or "NO2" over the words in memory, in microseconds. A missing or
    // unreadable lexicon file gives its error, whatever the word.
    static LexiconResult<QString> Judge(const LexiconSource& source, const QString& vocabularyFileName,
                                        const Query& query);

    // The same verdict with the lexicon asked through `inLexicon`: how a single query
    // reads the file directly instead of loading it.
    static QString JudgeWith(const LexiconCheck& inLexicon, const QString& vocabularyFileName, const Query& query);

    // Whether the lexicon holds the word's bytes (LexiconWords::Holds); never a word
    // with a character no byte stands for.
    static bool InLexicon(const LexiconWords& words, const QString& word);
};

// The word as lexicon bytes; nothing when a character has no single-byte form, as
// no lexicon record can then equal it.
std::optional<std::string> WordAsLexiconBytes(const QString& word);
