// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_words.h"
#include "model/language.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The day's board of a language: ten letters drawn as the auto draw draws them
// (vowels at odd places, consonants at even ones, from the language's pools), with
// numbers that only the site's secret turns the date into. A draw whose letters spell
// no word of kShortestLongWord letters in the lexicon is drawn again with the next
// attempt number, so every site with the same secret and lexicon has the same board.
struct DailyBoard {
    static constexpr int kLetters = 10;
    static constexpr int kShortestLongWord = 8;
    static constexpr int kMostAttempts = 10000;

    QString letters;
    // The longest words the letters spell, in the lexicon's order.
    QStringList longestWords;
};

// "2026-12-10 1 0": what the numbers of a day, language and attempt are made from.
QByteArray DailyLabel(const QDate& day, Language language, int attempt);

// The board of the day, or nothing when the lexicon holds no word of eight letters
// after kMostAttempts draws (an empty or tiny lexicon).
std::optional<DailyBoard> DrawDailyBoard(const QByteArray& secret, const QDate& day, Language language,
                                         const LexiconWords& words);
