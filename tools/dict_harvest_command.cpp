// SPDX-License-Identifier: GPL-3.0-or-later
#include "dict_commands.h"

#include "harvest.h"

#include <QFileInfo>

// `harvest`: Gleaner's harvest of a text file into the per-length word files of a folder.
namespace {

void PrintCounts(const HarvestCounts& counts, QTextStream& out)
{
    out << "tokens read: " << counts.tokens << '\n'
        << "words appended: " << counts.appended << '\n'
        << "words dropped: " << counts.Dropped() << " (" << counts.notWords << " not words of 2 to 15 letters, "
        << counts.known << " already in the files)\n";
}

}  // namespace

int RunHarvestCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("harvest"));
    bool foreignLetters = false;
    QStringList positional;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--foreign-letters"))
            foreignLetters = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return DictUsageError(command, QStringLiteral("unknown option '%1'").arg(argument), io);
        else
            positional.append(argument);
    }
    if (positional.size() != 2)
        return DictUsageError(command, QStringLiteral("give the text file and the folder of the word files"), io);
    const QString& folder = positional[1];
    if (!QFileInfo(folder).isDir()) {
        io.err << "letterama-dict harvest: no such folder: " << folder << '\n';
        return kDictFailure;
    }

    Harvest harvest(positional[0], folder, foreignLetters);
    const Harvest::State state = harvest.RunToEnd();
    PrintCounts(harvest.Counts(), io.out);
    if (state == Harvest::State::Failed) {
        io.err << "letterama-dict harvest: " << harvest.Error() << '\n';
        return kDictFailure;
    }
    return kDictSuccess;
}
