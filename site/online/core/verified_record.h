// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"

#include <QString>

#include <array>

// Whether a game played at a live table gives its winner a verified record: the one
// place that says what the site vouches for. A verified record is marked in the site's
// record table as played on the site, so it must be a whole game won by one person:
// - all five manches were judged (a game cut short is no game);
// - the winner's total is above 0 (nothing was won otherwise);
// - the winner alone holds the best total (a tie names no winner; with a computer it
//   would hand the record to whoever sat in the lower seat);
// - the winning seat was played by the same human in every manche: a seat taken over
//   from a computer, or from another person, carries points that person did not make.
namespace VerifiedRecord {

struct FinishedGame {
    int manchesJudged = 0;
    std::array<int, GameRules::kPlayers> totals{};
    // For each seat, the name of the human who played it in every manche of the game;
    // empty when a computer played it in some manche or it changed hands.
    std::array<QString, GameRules::kPlayers> wholeGameHuman;
};

enum class Verdict { Verified, CutShort, NothingWon, Tie, NotOneHuman };

struct Outcome {
    Verdict verdict = Verdict::CutShort;
    int seat = -1;   // the best total's seat, when one alone holds it
    QString name;    // the winner's name, when verified
    int points = 0;  // the best total
};

Outcome Judge(const FinishedGame& game);

}  // namespace VerifiedRecord
