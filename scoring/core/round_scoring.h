// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"

#include <QString>

#include <array>

// The scoring rules of one manche: points per letter, the time bonus of the sole best
// word, the rule against words copied from a shuffled source word, the ranking of the
// totals, and the texts the board and the main window show for them.
namespace RoundScoring {

inline constexpr int kPlayers = GameRules::kPlayers;
inline constexpr int kPointsPerLetter = GameRules::kPointsPerLetter;
inline constexpr int kBonusPerSecond = GameRules::kBonusPerSecond;
// Finishing after this many seconds, or running to the time limit, earns no bonus.
inline constexpr int kBonusSeconds = GameRules::kBonusSeconds;
// A human's word is refused when this many of its first letters, or more, stand
// together in the source word of a shuffled draw.
inline constexpr int kShortestCopiedStart = 4;

// Valid in the lexicon but too close to the source word: given only by the board.
inline const QString CopiedVerdict = QStringLiteral("NO1");

// Whether the first k letters of `word`, for some k from its length down to 4, stand
// together inside `sourceWord`. Words of 3 letters or fewer are never caught.
bool CopiesSourceWord(const QString& word, const QString& sourceWord);

// 100 points a letter for a valid ("SI") word, 0 for any other verdict.
int WordPoints(const QString& verdict, const QString& word);

// 10 points for each second under 60 at which the human ended the manche.
int TimeBonus(int finishSeconds);

// `total` + `points`, held at the largest int instead of wrapping.
int AddToTotal(int total, int points);

// The highest points of the manche so far in player order, who reached them first,
// and how many players have them. Everybody starts level at 0 points, so a manche
// where nobody scores has a tie among all players and no best player.
class BestWord {
public:
    void Add(int player, int points);
    // Whether `player` alone has the best points, and so earns the time bonus.
    bool SoleBest(int player) const { return player == bestPlayer_ && tieCount_ == 1; }
    int BestPoints() const { return bestPoints_; }
    int BestPlayer() const { return bestPlayer_; }  // -1: nobody scored
    int TieCount() const { return tieCount_; }

private:
    int bestPoints_ = 0;
    int bestPlayer_ = -1;
    int tieCount_ = 0;
};

// The rank (1 to 4) of each player: totals sorted highest first by a bubble sort that
// swaps only a strictly smaller total on the left, so equal totals keep player order.
std::array<int, kPlayers> Ranks(const std::array<int, kPlayers>& totals);

// "SI" or "NO": the first two characters of a verdict ("NO1" and "NO2" show as "NO").
QString ValidityText(const QString& verdict);
// The points of the manche: "600+480" with a bonus, "600" without.
QString PointsText(int wordPoints, int bonus);
// "1°", "2°", ...
QString RankText(int rank);
// A main window's score label: the total right-aligned in 5 characters, then " (1°)".
QString ScoreLabelText(int total, int rank);

// The board's heading for the manche that just ended.
QString Heading(int mancheNumber);
// The count beside the found-words list: "( 12 )".
QString FoundCountText(int foundCount);
// Shown when a human's word is refused as too close to the source word.
QString CopiedWordMessage(const QString& word, const QString& playerName);

}  // namespace RoundScoring
