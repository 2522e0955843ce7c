// SPDX-License-Identifier: GPL-3.0-or-later
#include "dict_commands.h"

#include "lexicon_list_load.h"
#include "word_file_exchange.h"

#include <QDir>
#include <QFileInfo>

int RunExportCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("export"));
    if (arguments.size() != 2 || arguments[0].startsWith(QLatin1Char('-')) || arguments[1].startsWith(QLatin1Char('-')))
        return DictUsageError(command, QStringLiteral("give a lexicon file and a folder"), io);
    const QString& lexiconName = arguments[0];
    const QString& folder = arguments[1];

    const LexiconFileBytes file = ReadLexiconFile(lexiconName);
    if (file.status != LexiconFileBytes::Status::Read) {
        io.err << "letterama-dict export: cannot read lexicon '" << lexiconName << "': " << file.error << '\n';
        return kDictFailure;
    }
    if (QFileInfo(folder).exists() ? !QFileInfo(folder).isDir() : !QDir().mkpath(folder)) {
        io.err << "letterama-dict export: '" << folder << "' is not a folder\n";
        return kDictFailure;
    }

    // The alphabet plays no part: nothing is inserted, every word is written as read.
    EditorWordLists lists{QString()};
    LexiconListLoad(lists, file.bytes).RunToEnd();
    if (const QString error = ExportWordFiles(lists, folder); !error.isEmpty()) {
        io.err << "letterama-dict export: " << error << '\n';
        return kDictFailure;
    }
    io.out << folder << ": " << lists.TotalWords() << " words (";
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        io.out << (k ? " " : "") << k + EditorWordLists::kShortest << ':' << lists.List(k).Count();
    io.out << ")\n";
    return kDictSuccess;
}
