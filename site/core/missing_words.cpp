// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/missing_words.h"

#include "model/letter_folding.h"

#include <QList>

#include <algorithm>

std::optional<QByteArray> ReportableWord(const QString& typed, Language language)
{
    const QString& alphabet = TableOf(language).Alphabet;
    QByteArray word;
    for (const char32_t codePoint : typed.trimmed().toUcs4()) {
        const FoldedLetter folded = FoldLetter(codePoint);
        if (folded.kind == FoldedLetter::CombiningMark)
            continue;
        if (folded.kind != FoldedLetter::Letter)
            return std::nullopt;
        for (int i = 0; i < folded.count; ++i) {
            if (!alphabet.contains(QLatin1Char(folded.letters[i])))
                return std::nullopt;
            word += folded.letters[i];
        }
        if (word.size() > kLongestReportedWord)
            return std::nullopt;
    }
    if (word.size() < kShortestReportedWord)
        return std::nullopt;
    return word;
}

QByteArray MissingWordsList(std::vector<ReportedWord> words, Language language,
                            const std::function<bool(const QByteArray&)>& inLexicon, int mostWords)
{
    std::stable_sort(words.begin(), words.end(), [](const ReportedWord& a, const ReportedWord& b) {
        return a.count != b.count ? a.count > b.count : a.word < b.word;
    });
    QByteArray list;
    int listed = 0;
    for (const ReportedWord& reported : words) {
        if (listed >= mostWords)
            break;
        const std::optional<QByteArray> word = ReportableWord(QString::fromLatin1(reported.word), language);
        if (!word || *word != reported.word || inLexicon(*word))
            continue;
        list += *word + "\r\n";
        ++listed;
    }
    return list;
}
