// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/round_scoring.h"

#include "lexicon/core/word_lookup.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace RoundScoring {

namespace {

constexpr int kScoreLabelWidth = 5;

}  // namespace

bool CopiesSourceWord(const QString& word, const QString& sourceWord)
{
    if (sourceWord.isEmpty())
        return false;
    for (qsizetype k = word.size(); k >= kShortestCopiedStart; --k) {
        if (sourceWord.contains(QStringView(word).left(k)))
            return true;
    }
    return false;
}

int WordPoints(const QString& verdict, const QString& word)
{
    if (verdict != WordVerdict::Valid)
        return 0;
    // A valid word is spelt from at most 10 drawn letters; the cap only keeps the
    // product inside int whatever the caller hands in.
    const qsizetype letters = std::min<qsizetype>(word.size(), std::numeric_limits<int>::max() / kPointsPerLetter);
    return static_cast<int>(letters) * kPointsPerLetter;
}

int TimeBonus(int finishSeconds)
{
    if (finishSeconds >= kBonusSeconds)
        return 0;
    // A negative time cannot happen; treat it as 0 rather than paying past a minute.
    return kBonusPerSecond * (kBonusSeconds - std::max(finishSeconds, 0));
}

int AddToTotal(int total, int points)
{
    if (points > 0 && total > std::numeric_limits<int>::max() - points)
        return std::numeric_limits<int>::max();
    if (points < 0 && total < std::numeric_limits<int>::min() - points)
        return std::numeric_limits<int>::min();
    return total + points;
}

void BestWord::Add(int player, int points)
{
    if (points < bestPoints_)
        return;
    if (points == bestPoints_) {
        ++tieCount_;
    } else {
        tieCount_ = 1;
        bestPlayer_ = player;
    }
    bestPoints_ = points;
}

std::array<int, kPlayers> Ranks(const std::array<int, kPlayers>& totals)
{
    std::array<std::pair<int, int>, kPlayers> places;  // (total, player)
    for (int p = 0; p < kPlayers; ++p)
        places[p] = {totals[p], p};
    for (int pass = 0; pass < kPlayers - 1; ++pass) {
        for (int i = 0; i < kPlayers - 1 - pass; ++i) {
            if (places[i].first < places[i + 1].first)
                std::swap(places[i], places[i + 1]);
        }
    }
    std::array<int, kPlayers> ranks{};
    for (int i = 0; i < kPlayers; ++i)
        ranks[places[i].second] = i + 1;
    return ranks;
}

QString ValidityText(const QString& verdict)
{
    return verdict.left(2);
}

QString PointsText(int wordPoints, int bonus)
{
    if (bonus == 0)
        return QString::number(wordPoints);
    return QString::number(wordPoints) + QLatin1Char('+') + QString::number(bonus);
}

QString RankText(int rank)
{
    return QString::number(rank) + QChar(0x00B0);
}

QString ScoreLabelText(int total, int rank)
{
    return QStringLiteral("%1").arg(total, kScoreLabelWidth) + QStringLiteral(" (") + RankText(rank) +
           QLatin1Char(')');
}

QString Heading(int mancheNumber)
{
    if (mancheNumber == GameRules::kManchesPerGame)
        return QStringLiteral("Tempo scaduto - Situazione a fine partita");
    return QStringLiteral("Tempo scaduto - Situazione della manche ") + QString::number(mancheNumber) +
           QLatin1Char('/') + QString::number(GameRules::kManchesPerGame);
}

QString FoundCountText(int foundCount)
{
    return QStringLiteral("( ") + QString::number(foundCount) + QStringLiteral(" )");
}

QString CopiedWordMessage(const QString& word, const QString& playerName)
{
    return QStringLiteral("La parola ") + word + QStringLiteral(" è stata inserita dal giocatore umano '") +
           playerName +
           QStringLiteral("' ma essa è troppo simile alla stringa di input per la estrazione quindi NON è "
                          "considerata valida anche se presente nel vocabolario.");
}

}  // namespace RoundScoring
