// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/own_row_text.h"

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
    const QString manche = word.isEmpty()
                               ? QStringLiteral("Nessuna parola, ") + Points(row.Points())
                               : QStringLiteral("La tua parola: %1, %2, %3").arg(word, Verdict(row), Points(row.Points()));
    // The place is said as a number: "1°" would be read as degrees.
    if (row.rank <= 0)
        return manche;
    return manche + QStringLiteral("; totale %1, posizione %2").arg(Points(row.total)).arg(row.rank);
}
