// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/word_rules.h"

#include "platform/core/single_byte_text.h"

namespace WordRules {

std::optional<QStringList> ReadLines(const ProgramFiles& files, QString* failure)
{
    const ProgramFolder::ReadResult file = files.Read(QString::fromLatin1(kFileName), kMaxFileBytes);
    if (!file.Ok()) {
        if (failure && file.status != ProgramFolder::ReadStatus::Missing)
            *failure = ProgramFolder::ReadFailureText(file.status, QString::fromLatin1(kFileName));
        return std::nullopt;
    }
    QString text = DecodeText(file.bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    QStringList lines = text.split(QChar(u'\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())  // the end of the last line is no line of its own
        lines.removeLast();
    return lines;
}

QString MessageText(const ProgramFiles& files)
{
    QString failure;
    const std::optional<QStringList> lines = ReadLines(files, &failure);
    if (!failure.isEmpty())
        return failure;
    if (!lines)
        return QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: ") +
               QString::fromLatin1(kFileName);
    return lines->join(QChar(u'\n'));
}

QString BoxText(const ProgramFiles& files)
{
    QString failure;
    const std::optional<QStringList> lines = ReadLines(files, &failure);
    if (!failure.isEmpty())
        return failure;
    return lines ? lines->join(QChar(u'\n')) : QStringLiteral("File REGPAROL.txt non trovato");
}

QString DecodeText(const QByteArray& bytes)
{
    return SingleByteText::DecodeAny(bytes);
}

}  // namespace WordRules
