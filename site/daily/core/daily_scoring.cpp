// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/core/daily_scoring.h"

#include "lexicon/core/word_lookup.h"

#include <algorithm>

namespace DailyScoring {

int SecondsTaken(qint64 startedAtMs, qint64 sentAtMs)
{
    const qint64 seconds = std::max<qint64>(0, sentAtMs - startedAtMs) / 1000;
    return static_cast<int>(std::min<qint64>(seconds, kSeconds));
}

bool InTime(qint64 startedAtMs, qint64 sentAtMs)
{
    return sentAtMs - startedAtMs <= (kSeconds + kGraceSeconds) * 1000LL;
}

int Points(const QString& verdict, int length, int seconds)
{
    if (verdict != WordVerdict::Valid)
        return 0;
    return 100 * length + 10 * std::max(0, kSeconds - seconds);
}

std::vector<Ranked> Ranking(std::vector<DailyTry> tries)
{
    std::stable_sort(tries.begin(), tries.end(), [](const DailyTry& a, const DailyTry& b) {
        if (a.points != b.points)
            return a.points > b.points;
        if (a.seconds != b.seconds)
            return a.seconds < b.seconds;
        return a.finishedAt < b.finishedAt;
    });
    std::vector<Ranked> ranked;
    ranked.reserve(tries.size());
    for (std::size_t i = 0; i < tries.size(); ++i) {
        const bool tied = i > 0 && tries[i].points == tries[i - 1].points && tries[i].seconds == tries[i - 1].seconds;
        ranked.push_back({tied ? ranked.back().place : static_cast<int>(i) + 1, std::move(tries[i])});
    }
    return ranked;
}

std::map<int, int> LengthCounts(const std::vector<DailyTry>& tries)
{
    std::map<int, int> counts;
    for (const DailyTry& entry : tries) {
        if (entry.verdict == WordVerdict::Valid)
            ++counts[entry.length];
    }
    return counts;
}

QString ShareText(const QDate& day, const DailyTry& entry)
{
    const QString found = entry.verdict == WordVerdict::Valid ? QStringLiteral("%1 lettere").arg(entry.length)
                                                              : QStringLiteral("nessuna parola");
    return QStringLiteral("Letterama %1 · %2 · %3 s")
        .arg(day.toString(QStringLiteral("dd-MM-yyyy")), found)
        .arg(entry.seconds);
}

}  // namespace DailyScoring
