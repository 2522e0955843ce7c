// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"

#include <cstdio>

namespace CommandLine {

namespace {

QString HelpText(const Program& program)
{
    return QStringLiteral("Uso: %1 [OPZIONE]\n"
                          "%2\n"
                          "\n"
                          "Opzioni:\n"
                          "  -h, --help     mostra questo aiuto ed esce\n"
                          "  -v, --version  mostra la versione ed esce\n"
                          "\n"
                          "Senza opzioni apre la finestra del programma. Accetta anche le opzioni comuni\n"
                          "dei programmi Qt, come -platform e -style.\n")
        .arg(program.command, program.description);
}

QString VersionText(const Program& program)
{
    return QStringLiteral("%1 %2\n"
                          "Licenza GPLv3+: GNU GPL versione 3 o successiva <https://gnu.org/licenses/gpl.html>.\n"
                          "Questo è software libero: si può modificare e ridistribuire.\n"
                          "Non c'è alcuna garanzia, nei limiti permessi dalla legge.\n")
        .arg(program.command, program.version);
}

}  // namespace

std::optional<Answer> AnswerWithoutWindow(const QStringList& arguments, const Program& program)
{
    // The first of the two that appears wins, as with most GNU programs.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Answer{0, HelpText(program), {}};
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Answer{0, VersionText(program), {}};
    }
    return std::nullopt;
}

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int Print(const Answer& answer)
{
    const QByteArray out = answer.out.toLocal8Bit();
    const QByteArray err = answer.err.toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    std::fwrite(err.constData(), 1, static_cast<std::size_t>(err.size()), stderr);
    std::fflush(stdout);
    return answer.status;
}

}  // namespace CommandLine
