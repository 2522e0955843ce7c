#pragma once

#include "lexicon_source.h"
#include "yield_pacer.h"

#include <QString>

#include <optional>

class Dialogs;

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

    // One of the verdicts above; nothing when the lookup was overtaken during a yield
    // (the caller then writes nothing). A missing lexicon file shows the "Errore 0002"
    // message first. The query is taken by value: whatever the caller held it in may
    // be gone after a yield.
    static std::optional<QString> Judge(const LexiconSource& source, QString vocabularyFileName, Query query,
                                        Dialogs& dialogs, const Cooperation& cooperation);

    // Whether the lexicon holds exactly these bytes; nothing when overtaken.
    static std::optional<bool> InLexicon(const LexiconWords& words, const QString& word, YieldPacer& pacer);
};
