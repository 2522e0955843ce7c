// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// Number forms shared by the high-score table, its file and the end-of-game list.

// A number as classic numeric print gives it: a leading blank in place of the sign
// for zero and above ("  " is never produced: 7 gives " 7", -7 gives "-7").
QString SignedText(int value);

// A rank of the high-score grid: two blanks, then at least two digits ("  07", "  50").
QString FormatRank(int rank);

// A score of the high-score grid: a blank, then at least five digits grouped by
// thousands with the locale's separator (" 01,250" in English, " 01.250" in Italian).
// A negative score puts its minus sign first ("- 00,300").
QString FormatScore(int score, const QLocale& locale = QLocale());
