// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/own_row_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct OwnRow {
    const char* word;
    std::optional<QString> verdict;
    int wordPoints;
    int bonus;
    const char* spoken;
    int total = 0;
    int rank = 0;  // 0: not ranked yet
};

class OwnRowSentence : public ::testing::TestWithParam<OwnRow> {};

TEST_P(OwnRowSentence, TellsWordVerdictAndPoints)
{
    const OwnRow& row = GetParam();
    ResultsBoardRow board;
    board.name = QStringLiteral("Anonimo");
    board.word = QString::fromLatin1(row.word);
    board.verdict = row.verdict;
    board.wordPoints = row.wordPoints;
    board.bonus = row.bonus;
    board.total = row.total;
    board.rank = row.rank;
    EXPECT_EQ(OwnRowText(board), QString::fromUtf8(row.spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OwnRowSentence,
    ::testing::Values(OwnRow{"CASTELLO", QStringLiteral("SI"), 800, 0, "La tua parola: castello, valida, 800 punti"},
                      OwnRow{"LOCALE", QStringLiteral("SI"), 600, 480, "La tua parola: locale, valida, 1080 punti"},
                      OwnRow{"CASTOR", QStringLiteral("NO"), 0, 0, "La tua parola: castor, non valida, 0 punti"},
                      OwnRow{"CASTELLOAR", QStringLiteral("NO1"), 0, 0,
                             "La tua parola: castelloar, non valida, 0 punti"},
                      OwnRow{"ZZZ", QStringLiteral("NO2"), 0, 0, "La tua parola: zzz, non valida, 0 punti"},
                      OwnRow{"CASA", QString(), 0, 0, "La tua parola: casa, non giudicata, 0 punti"},
                      OwnRow{"", QStringLiteral("NO2"), 0, 0, "Nessuna parola, 0 punti"},
                      OwnRow{"MONTANE", QStringLiteral("SI"), 700, 0,
                             "La tua parola: montane, valida, 700 punti; totale 700 punti, posizione 1", 700, 1},
                      OwnRow{"", QStringLiteral("NO2"), 0, 0, "Nessuna parola, 0 punti; totale 2300 punti, posizione 3",
                             2300, 3}));

}  // namespace
