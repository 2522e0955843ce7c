// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_row_text.h"

namespace {

QString Verdict(const ResultsBoardRow& row)
{
    const QString validity = row.ValidityText();
    if (validity == QLatin1String("SI"))
        return QStringLiteral("valida");
    if (validity.startsWith(QLatin1String("NO")))
        return QStringLiteral("non valida");
    return QStringLiteral("non giudicata");
}

QString Points(int points)
{
    return points == 1 ? QStringLiteral("1 punto") : QStringLiteral("%1 punti").arg(points);
}

}  // namespace

QString OwnRowText(const ResultsBoardRow& row)
{
    const QString word = row.word.trimmed().toLower();
    if (word.isEmpty())
        return QStringLiteral("Nessuna parola, ") + Points(row.Points());
    return QStringLiteral("La tua parola: %1, %2, %3").arg(word, Verdict(row), Points(row.Points()));
}
