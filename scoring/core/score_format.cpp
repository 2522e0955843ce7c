// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/score_format.h"

#include <cstdlib>

QString SignedText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString FormatRank(int rank)
{
    return QStringLiteral("  ") + QStringLiteral("%1").arg(rank, 2, 10, QLatin1Char('0'));
}

QString FormatScore(int score, const QLocale& locale)
{
    // Grouped by hand: the C locale omits group separators by default, yet the grid
    // always shows them.
    const QString digits = QStringLiteral("%1").arg(std::abs(score), 5, 10, QLatin1Char('0'));
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += digits.at(i);
    }
    return (score < 0 ? QStringLiteral("- ") : QStringLiteral(" ")) + grouped;
}
