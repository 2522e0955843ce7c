// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/core/results_board.h"

#include <QString>

// The player's own row of the results board as one sentence, read first when the
// board is complete: "La tua parola: castello, valida, 800 punti; totale 1500 punti,
// posizione 2" (the total and place once the row is ranked). A word left
// unjudged (no lexicon) is "non giudicata"; no word at all is "Nessuna parola".
QString OwnRowText(const ResultsBoardRow& row);
