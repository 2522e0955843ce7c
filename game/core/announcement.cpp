// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/announcement.h"

#include "platform/core/random_source.h"

#include <algorithm>
#include <cmath>

namespace Announcement {

namespace {

constexpr int kSliceLength = 3;

// Int(2r): 0 or 1.
int CoinToss(RandomSource& random)
{
    return std::clamp(static_cast<int>(2 * random.Next()), 0, 1);
}

QString Entry(const QStringList& foundWords, int entry)
{
    return foundWords.at(entry - 1);
}

}  // namespace

int RoundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    const int lower = static_cast<int>(below);
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1;
    return lower % 2 == 0 ? lower : lower + 1;
}

int SliceStart(double r)
{
    return RoundHalfEven(5 * r + 1);
}

int UniformEntry(int n, double r)
{
    return std::clamp(static_cast<int>(r * n) + 1, 1, n);
}

int LaterHalfEntry(int n, double r)
{
    const int drawn = std::clamp(static_cast<int>(r * n), 0, n - 1);
    return std::clamp(drawn / 2 + n / 2 + 1, 1, n);
}

QString ChooseWord(int level, const QStringList& foundWords, const QString& drawnLetters, RandomSource& random)
{
    const int n = static_cast<int>(foundWords.size());
    if (n == 0)
        return {};
    switch (level) {
    case kBeginner:
        if (CoinToss(random) == 0) {
            // Mid semantics: a slice that runs past the end is shorter, or empty.
            const int start = SliceStart(random.Next());
            return drawnLetters.mid(start - 1, kSliceLength);
        }
        return Entry(foundWords, UniformEntry(n, random.Next()));
    case kExpert:
        // The coin is tossed even when there are fewer than two words.
        if (CoinToss(random) == 0 && n >= 2)
            return Entry(foundWords, n - 1);
        return Entry(foundWords, LaterHalfEntry(n, random.Next()));
    case kMedium:
    default:
        return Entry(foundWords, UniformEntry(n, random.Next()));
    }
}

QString AnnouncedText(const QList<int>& playerNumbers)
{
    if (playerNumbers.isEmpty())
        return {};
    if (playerNumbers.size() == 1)
        return QStringLiteral("Giocatore %1: parola annunciata").arg(playerNumbers.front());
    QStringList numbers;
    for (const int number : playerNumbers)
        numbers.append(QString::number(number));
    const QString last = numbers.takeLast();
    return QStringLiteral("Giocatori %1 e %2: parole annunciate").arg(numbers.join(QStringLiteral(", ")), last);
}

QString AnnouncedLengths(const QList<std::pair<int, int>>& lengths)
{
    QStringList said;
    for (const auto& [player, letters] : lengths) {
        const QString length = letters <= 0   ? QStringLiteral("nessuna parola")
                               : letters == 1 ? QStringLiteral("1 lettera")
                                              : QStringLiteral("%1 lettere").arg(letters);
        said.append(QStringLiteral("giocatore %1: %2").arg(player).arg(length));
    }
    QString text = said.join(QStringLiteral("; "));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

}  // namespace Announcement
