// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/spoken_text.h"

#include <QStringList>

namespace SpokenText {

namespace {

constexpr int kSpokenMarks[] = {30, 10};

}  // namespace

QString Letters(const QString& drawnLetters)
{
    QStringList letters;
    for (const QChar letter : drawnLetters) {
        if (!letter.isSpace())
            letters.append(QString(letter.toUpper()));
    }
    return QStringLiteral("Lettere estratte: ") + letters.join(QLatin1Char(' '));
}

QString DrawnLetter(const QString& letter, int drawn, int letterCount)
{
    return QStringLiteral("Lettera %1, %2 di %3").arg(letter.toUpper()).arg(drawn).arg(letterCount);
}

QString SecondsLeft(int seconds)
{
    if (seconds == 1)
        return QStringLiteral("Manca 1 secondo");
    return QStringLiteral("Mancano %1 secondi").arg(seconds);
}

bool SaysSecondsLeftAt(int elapsed, int roundSeconds, bool unlimited)
{
    if (unlimited || elapsed <= 0)
        return false;
    const int left = roundSeconds - elapsed;
    for (const int mark : kSpokenMarks) {
        if (left == mark)
            return true;
    }
    return false;
}

QString TimeNow(bool running, int elapsed, int roundSeconds, bool unlimited)
{
    if (!running)
        return QStringLiteral("Tempo fermo");
    if (unlimited)
        return QStringLiteral("Tempo illimitato: trascorsi %1 secondi").arg(elapsed);
    return SecondsLeft(qMax(0, roundSeconds - elapsed));
}

}  // namespace SpokenText
