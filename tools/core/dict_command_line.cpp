// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_command.h"

#include "platform/version.h"

#include <QDir>

#include <algorithm>

namespace {

void PrintOverview(QTextStream& stream)
{
    stream << "Usage: letterama-dict COMMAND [ARGUMENTS]\n"
              "Builds and inspects Letterama lexicon files.\n\nCommands:\n";
    for (const DictCommand& command : DictCommands())
        stream << "  " << QString::fromLatin1(command.name).leftJustified(9) << command.summary << '\n';
    stream << "\nOptions:\n"
              "  -h, --help     print this help and exit\n"
              "  -v, --version  print the version and exit\n"
              "\nRun 'letterama-dict COMMAND --help' for the arguments of a command.\n";
}

bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

}  // namespace

const DictCommand* FindDictCommand(const QString& name)
{
    for (const DictCommand& command : DictCommands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void PrintDictCommandUsage(const DictCommand& command, QTextStream& stream)
{
    stream << "Usage: letterama-dict " << command.name << ' ' << command.usage << '\n'
           << command.summary << '\n' << command.details << '\n';
}

int DictUsageError(const DictCommand& command, const QString& message, DictIo& io)
{
    io.err << "letterama-dict " << command.name << ": " << message << '\n';
    io.err << "Usage: letterama-dict " << command.name << ' ' << command.usage << '\n';
    return kDictUsage;
}

QString DictIo::Path(const QString& argument) const
{
    return argument.isEmpty() ? argument : QDir::cleanPath(QDir(startFolder).absoluteFilePath(argument));
}

int RunDictCommandLine(const QStringList& arguments, DictIo& io)
{
    if (arguments.isEmpty()) {
        PrintOverview(io.err);
        return kDictUsage;
    }
    const QString& name = arguments.first();
    if (IsHelp(name) || name == QLatin1String("help")) {
        if (arguments.size() > 1) {
            if (const DictCommand* command = FindDictCommand(arguments[1])) {
                PrintDictCommandUsage(*command, io.out);
                return kDictSuccess;
            }
        }
        PrintOverview(io.out);
        return kDictSuccess;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        io.out << "letterama-dict " << Version::kText << '\n';
        return kDictSuccess;
    }
    const DictCommand* command = FindDictCommand(name);
    if (!command) {
        io.err << "letterama-dict: unknown command '" << name << "'\n";
        PrintOverview(io.err);
        return kDictUsage;
    }
    const QStringList rest = arguments.mid(1);
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        PrintDictCommandUsage(*command, io.out);
        return kDictSuccess;
    }
    return command->run(rest, io);
}
