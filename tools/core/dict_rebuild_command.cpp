// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"

#include "model/language.h"
#include "lexicon/core/lexicon_file_stamp.h"
#include "dictionary_editor/core/lexicon_list_load.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "lexicon/core/lexicon_write_lock.h"
#include "platform/core/program_folder.h"
#include "platform/core/safe_file_write.h"
#include "dictionary_editor/core/word_file_exchange.h"
#include "platform/core/program_files.h"

#include <QFileInfo>

#include <algorithm>

namespace {

struct RebuildArguments {
    QString folder;
    QString output;
    int language = 1;
    bool add = false;    // the files' words join the lexicon's
    bool force = false;  // write even when the lexicon would lose words
};

// Fills `parsed`; returns an error message, empty when the arguments are sound.
QString ParseArguments(const QStringList& arguments, RebuildArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument;
        QString value;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(QLatin1Char('='))) {
            name = argument.section(QLatin1Char('='), 0, 0);
            value = argument.section(QLatin1Char('='), 1);
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--output") ||
                   argument == QLatin1String("-l") || argument == QLatin1String("--language")) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(argument);
            value = arguments[++i];
        } else if (argument == QLatin1String("--add")) {
            parsed.add = true;
            continue;
        } else if (argument == QLatin1String("--force")) {
            parsed.force = true;
            continue;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return QStringLiteral("unknown option '%1'").arg(argument);
        } else {
            if (!parsed.folder.isEmpty())
                return QStringLiteral("give one folder only");
            parsed.folder = argument;
            continue;
        }

        if (name == QLatin1String("-l") || name == QLatin1String("--language")) {
            bool ok = false;
            parsed.language = value.toInt(&ok);
            if (!ok || parsed.language < 1 || parsed.language > 3)
                return QStringLiteral("the language must be 1 (Italian), 2 (English) or 3 (Latin), not '%1'")
                    .arg(value);
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            if (value.isEmpty())
                return QStringLiteral("the output file name is empty");
            parsed.output = value;
        } else {
            return QStringLiteral("unknown option '%1'").arg(name);
        }
    }
    if (parsed.folder.isEmpty())
        return QStringLiteral("no folder given");
    return {};
}

QString Grouped(qsizetype count)
{
    QString digits = QString::number(count);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

// "5 letters: 6,031 (no 5.TXT)" for each length that loses words.
QString LossesByLength(const LexiconLosses& losses, const WordFiles& files)
{
    QStringList parts;
    for (int k = 0; k < int(losses.lost.size()); ++k) {
        if (losses.lost[k] == 0)
            continue;
        const int length = k + LexiconIndex::kMinLength;
        QString part = QStringLiteral("%1 letters: %2").arg(length).arg(Grouped(losses.lost[k]));
        if (length > EditorWordLists::kLongest)
            part += QStringLiteral(" (no word files of that length)");
        else if (!files.entries[length - EditorWordLists::kShortest])
            part += QStringLiteral(" (no %1.TXT)").arg(length);
        parts.append(part);
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

int RunRebuildCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("rebuild"));
    RebuildArguments parsed;
    if (const QString problem = ParseArguments(arguments, parsed); !problem.isEmpty())
        return DictUsageError(command, problem, io);
    if (parsed.output.isEmpty())
        parsed.output = TableOf(*LanguageFromNumber(parsed.language)).LexiconFileName();
    if (!QFileInfo(io.Path(parsed.folder)).isDir()) {
        io.err << "letterama-dict rebuild: no such folder: " << parsed.folder << '\n';
        return kDictFailure;
    }

    const Language language = *LanguageFromNumber(parsed.language);
    EditorWordLists lists(TableOf(language).Alphabet);
    // The lexicon it replaces, read first: its words are kept (--add) or counted, so
    // that none is lost unasked. Its stamp guards the write against another writer.
    const LexiconFileStamp readStamp = LexiconFileStamp::Of(io.Path(parsed.output));
    const LexiconFileBytes old = ReadLexiconFile(io.Path(parsed.output));
    // Only a regular file can hold words to lose; anything else in the way is refused
    // by the write, with its own message.
    const bool regularFile = SafeFileWrite::Inspect(ProgramFolder::Resolve(io.Path(parsed.output))).kind ==
                             SafeFileWrite::Kind::RegularFile;
    if (old.status == LexiconFileBytes::Status::Unreadable && regularFile && !parsed.force) {
        io.err << "letterama-dict rebuild: " << old.error
               << "\nNothing written: the file it would replace cannot be read to keep its words. "
                  "Use --force to replace it anyway.\n";
        return kDictRefused;
    }
    const bool hasOld = old.status == LexiconFileBytes::Status::Read;
    if (hasOld && parsed.add)
        LexiconListLoad(lists, old.bytes).RunToEnd();

    const WordFiles files = ReadWordFiles(ProgramFiles(io.Path(parsed.folder)));
    if (!files.errors.isEmpty()) {
        for (const QString& error : files.errors)
            io.err << "letterama-dict rebuild: " << error << '\n';
        return kDictFailure;
    }
    if (!files.AnyRead()) {
        io.err << "letterama-dict rebuild: no word files 3.TXT to 10.TXT in " << parsed.folder << '\n';
        return kDictFailure;
    }
    const WordFileImport import =
        ApplyWordFiles(lists, files, parsed.add ? ImportMode::Add : ImportMode::Replace);

    EditorLexicon lexicon = ComposeEditorLexicon(lists, language);
    if (hasOld && !parsed.force && lexicon.image.error.isEmpty()) {
        const LexiconLosses losses = WordsLostByRebuild(old.bytes, lexicon.image.bytes);
        if (losses.Total() > 0) {
            qsizetype had = 0;
            for (const qsizetype count : losses.had)
                had += count;
            io.err << "letterama-dict rebuild: " << parsed.output << " would lose " << Grouped(losses.Total())
                   << " of its " << Grouped(had) << " words (" << LossesByLength(losses, files)
                   << ").\nNothing written. Use --add to add the words of the files to the lexicon, or --force "
                      "to replace it anyway.\n";
            return kDictRefused;
        }
    }

    const RebuildResult result = WriteRebuiltLexicon(std::move(lexicon), ProgramFiles(QFileInfo(io.Path(parsed.output)).absolutePath()),
                                                    QFileInfo(parsed.output).fileName(), readStamp);
    if (!result.written) {
        switch (result.refusal) {
        case RebuildResult::Refusal::Busy:
            io.err << "letterama-dict rebuild: another rebuild of " << parsed.output
                   << " is under way (" << LexiconWriteLock::LockPathOf(io.Path(parsed.output))
                   << " is locked). Nothing written.\n";
            return kDictRefused;
        case RebuildResult::Refusal::Changed:
            io.err << "letterama-dict rebuild: " << parsed.output
                   << " was rewritten by another program while this rebuild read it. Nothing written: "
                      "run the rebuild again.\n";
            return kDictRefused;
        case RebuildResult::Refusal::None:
            break;
        }
        io.err << "letterama-dict rebuild: " << result.error << '\n';
        return kDictFailure;
    }
    const LexiconImage& image = result.lexicon.image;
    io.out << parsed.output << ": " << image.totalWritten << " words, " << image.bytes.size() << " bytes (";
    for (int k = 0; k < kLexiconListCount; ++k)
        io.out << (k ? " " : "") << k + 3 << ':' << image.wordsWritten[k];
    io.out << ")";
    if (parsed.add) {
        io.out << ", " << import.added << " new from the files";
    } else if (const qsizetype left = import.linesRead - image.totalWritten; left > 0) {
        io.out << ", " << left << " lines of another length or with other characters left out";
    }
    io.out << '\n';
    return kDictSuccess;
}
