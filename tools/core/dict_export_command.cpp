// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"

#include "dictionary_editor/core/lexicon_list_load.h"
#include "lexicon/core/per_length_files.h"
#include "platform/core/safe_file_write.h"
#include "dictionary_editor/core/word_file_exchange.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFileInfo>

int RunExportCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("export"));
    bool force = false;
    QStringList positional;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--force"))
            force = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return DictUsageError(command, QStringLiteral("unknown option '%1'").arg(argument), io);
        else
            positional.append(argument);
    }
    if (positional.size() != 2)
        return DictUsageError(command, QStringLiteral("give a lexicon file and a folder"), io);
    const QString& lexiconName = positional[0];
    const QString& folder = positional[1];
    const QString folderPath = io.Path(folder);
    const ProgramFiles wordFiles(folderPath);

    const LexiconFileBytes file = ReadLexiconFile(io.Path(lexiconName));
    if (file.status != LexiconFileBytes::Status::Read) {
        io.err << "letterama-dict export: cannot read lexicon '" << lexiconName << "': " << file.error << '\n';
        return kDictFailure;
    }
    if (QFileInfo(folderPath).exists() ? !QFileInfo(folderPath).isDir() : !QDir().mkpath(folderPath)) {
        io.err << "letterama-dict export: '" << folder << "' is not a folder\n";
        return kDictFailure;
    }

    // The alphabet plays no part: nothing is inserted, every word is written as read.
    EditorWordLists lists{QString()};
    LexiconListLoad(lists, file.bytes).RunToEnd();
    // The files may hold words the lexicon lacks (a harvest appends to them): those
    // are not written over unless asked to.
    const ExportLosses losses = EntriesLostByExport(lists, wordFiles);
    // A regular file that cannot be read may hold words: it is not written over. A
    // folder, a pipe or a device in the way is no word file, and the write says so.
    bool unreadableWordFile = false;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const QString path = PerLengthFiles::PathOf(wordFiles, k + EditorWordLists::kShortest);
        if (losses.unreadable[k] && SafeFileWrite::Inspect(path).kind == SafeFileWrite::Kind::RegularFile)
            unreadableWordFile = true;
    }
    if (unreadableWordFile) {
        for (const QString& error : losses.errors)
            io.err << "letterama-dict export: " << error << '\n';
        return kDictFailure;
    }
    if (losses.Total() > 0 && !force) {
        QStringList byFile;
        for (int k = 0; k < EditorWordLists::kListCount; ++k) {
            if (losses.lost[k] > 0)
                byFile.append(QStringLiteral("%1.TXT: %2").arg(k + EditorWordLists::kShortest).arg(losses.lost[k]));
        }
        io.err << "letterama-dict export: the word files in " << folder << " hold " << losses.Total()
               << (losses.Total() == 1 ? " word" : " words") << " that " << lexiconName << " lacks (" << byFile.join(QStringLiteral(", "))
               << ").\nNothing written: rebuild the lexicon with them first (letterama-dict rebuild --add), "
                  "or use --force to write over them.\n";
        return kDictRefused;
    }
    if (const QString error = ExportWordFiles(lists, wordFiles); !error.isEmpty()) {
        io.err << "letterama-dict export: " << error << '\n';
        return kDictFailure;
    }
    io.out << folder << ": " << lists.TotalWords() << " words (";
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        io.out << (k ? " " : "") << k + EditorWordLists::kShortest << ':' << lists.List(k).Count();
    io.out << ")\n";
    return kDictSuccess;
}
