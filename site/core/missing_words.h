// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A word players reported missing from a lexicon, and how many times.
struct ReportedWord {
    QByteArray word;  // upper-case letters of the language's alphabet
    int count = 0;
};

inline constexpr int kShortestReportedWord = 3;
inline constexpr int kLongestReportedWord = 10;

// The word a player typed as the lexicons spell it: marked letters folded to their
// base letter, upper case, 3 to 10 letters of the language's alphabet. Nothing when
// it is not such a word.
std::optional<QByteArray> ReportableWord(const QString& typed, Language language);

// The missing-words list the dictionary editor downloads: one word per line, CR LF,
// most reported first (equal counts in alphabetical order), leaving out the words the
// lexicon already holds and any word that is not a reportable word. Plain capitals
// only, so the text is the same in the Windows code page. At most `mostWords` lines.
QByteArray MissingWordsList(std::vector<ReportedWord> words, Language language,
                            const std::function<bool(const QByteArray&)>& inLexicon, int mostWords);
