// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/daily_challenge_board.h"

#include <QList>

QString DailyChallengeBoard::Address(const SiteAddress& site, Language language)
{
    if (!site.IsSet())
        return {};
    return site.Base() + QStringLiteral("/letterama/sfida/oggi.txt?lingua=%1").arg(TableOf(language).Number());
}

std::optional<DailyChallengeBoard> DailyChallengeBoard::Parse(const QByteArray& text, Language language)
{
    if (text.size() > 256)
        return std::nullopt;
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines)
        line = line.trimmed();
    if (lines.size() < 4 || lines[0] != "sfida")
        return std::nullopt;
    DailyChallengeBoard board;
    board.day = QDate::fromString(QString::fromLatin1(lines[1]), Qt::ISODate);
    if (!board.day.isValid() || lines[2] != QByteArray::number(TableOf(language).Number()))
        return std::nullopt;
    board.language = language;
    board.letters = QString::fromLatin1(lines[3]);
    if (board.letters.size() != kLetters)
        return std::nullopt;
    for (const QChar letter : board.letters) {
        if (!TableOf(language).Alphabet.contains(letter) || letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            return std::nullopt;
    }
    return board;
}

QString DailyChallengeBoard::ResultAddress(const SiteAddress& site, Language language, const QString& word,
                                           int seconds)
{
    if (!site.IsSet())
        return {};
    QString letters;
    for (const QChar c : word.toUpper()) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            letters += c;
    }
    return site.Base() + QStringLiteral("/letterama/sfida/gioco?lingua=%1&parola=%2&secondi=%3")
                             .arg(QString::number(TableOf(language).Number()), letters.left(15),
                                  QString::number(qBound(0, seconds, kSeconds)));
}
