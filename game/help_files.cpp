#include "help_files.h"

#include "program_folder.h"

#include <QStringList>

namespace HelpFiles {

QString JoinWordRules(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end after the last line starts no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

QString WordRulesMessage()
{
    const std::optional<QByteArray> bytes = ProgramFolder::ReadAll(QString::fromLatin1(kWordRules));
    if (!bytes)
        return QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: ") +
               QString::fromLatin1(kWordRules);
    return JoinWordRules(*bytes);
}

QString MissingHelpMessage()
{
    return QStringLiteral("Non trovato file di documentazione/help: ") + QString::fromLatin1(kHelpPage);
}

}  // namespace HelpFiles
