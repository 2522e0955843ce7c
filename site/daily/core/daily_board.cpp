// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/core/daily_board.h"

#include "game/core/letter_draw.h"
#include "lexicon/core/word_search.h"
#include "site/daily/core/daily_random.h"

QByteArray DailyLabel(const QDate& day, Language language, int attempt)
{
    return day.toString(Qt::ISODate).toLatin1() + ' ' + QByteArray::number(TableOf(language).Number()) + ' ' +
           QByteArray::number(attempt);
}

std::optional<DailyBoard> DrawDailyBoard(const QByteArray& secret, const QDate& day, Language language,
                                         const LexiconWords& words)
{
    const LanguageTable& table = TableOf(language);
    for (int attempt = 0; attempt < DailyBoard::kMostAttempts; ++attempt) {
        DailyRandom random(secret, DailyLabel(day, language, attempt));
        QString letters;
        for (int place = 0; place < DailyBoard::kLetters; ++place)
            letters += LetterDraw::PickFrom(place % 2 == 0 ? table.VowelPool : table.ConsonantPool, random);
        const QStringList found = WordSearch::FindAll(words, letters, DailyBoard::kLetters);
        if (found.isEmpty() || found.last().size() < DailyBoard::kShortestLongWord)
            continue;
        DailyBoard board{letters, {}};
        const qsizetype longest = found.last().size();
        for (const QString& word : found) {
            if (word.size() == longest)
                board.longestWords.append(word);
        }
        return board;
    }
    return std::nullopt;
}
