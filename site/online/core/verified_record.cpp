// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/verified_record.h"

#include <algorithm>

namespace VerifiedRecord {

Outcome Judge(const FinishedGame& game)
{
    Outcome outcome;
    const auto best = std::max_element(game.totals.begin(), game.totals.end());
    outcome.points = *best;
    if (std::count(game.totals.begin(), game.totals.end(), *best) == 1)
        outcome.seat = static_cast<int>(best - game.totals.begin());
    if (game.manchesJudged < GameRules::kManchesPerGame)
        outcome.verdict = Verdict::CutShort;
    else if (outcome.points <= 0)
        outcome.verdict = Verdict::NothingWon;
    else if (outcome.seat < 0)
        outcome.verdict = Verdict::Tie;
    else if (game.wholeGameHuman[outcome.seat].isEmpty())
        outcome.verdict = Verdict::NotOneHuman;
    else {
        outcome.verdict = Verdict::Verified;
        outcome.name = game.wholeGameHuman[outcome.seat];
    }
    return outcome;
}

}  // namespace VerifiedRecord
