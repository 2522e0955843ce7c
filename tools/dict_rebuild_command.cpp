// SPDX-License-Identifier: GPL-3.0-or-later
#include "dict_commands.h"

#include "language.h"
#include "lexicon_rebuild.h"
#include "word_file_exchange.h"

#include <QFileInfo>

#include <algorithm>

namespace {

struct RebuildArguments {
    QString folder;
    QString output;
    int language = 1;
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

}  // namespace

int RunRebuildCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("rebuild"));
    RebuildArguments parsed;
    if (const QString problem = ParseArguments(arguments, parsed); !problem.isEmpty())
        return DictUsageError(command, problem, io);
    if (parsed.output.isEmpty())
        parsed.output = TableOf(*LanguageFromNumber(parsed.language)).LexiconFileName();
    if (!QFileInfo(parsed.folder).isDir()) {
        io.err << "letterama-dict rebuild: no such folder: " << parsed.folder << '\n';
        return kDictFailure;
    }

    const Language language = *LanguageFromNumber(parsed.language);
    EditorWordLists lists(TableOf(language).Alphabet);
    const WordFileImport import = ImportWordFiles(lists, parsed.folder);
    if (!import.errors.isEmpty()) {
        for (const QString& error : import.errors)
            io.err << "letterama-dict rebuild: " << error << '\n';
        return kDictFailure;
    }
    if (std::find(import.read.begin(), import.read.end(), true) == import.read.end()) {
        io.err << "letterama-dict rebuild: no word files 3.TXT to 10.TXT in " << parsed.folder << '\n';
        return kDictFailure;
    }

    const RebuildResult result = RebuildLexicon(lists, language, parsed.output);
    if (!result.written) {
        io.err << "letterama-dict rebuild: " << result.error << '\n';
        return kDictFailure;
    }
    const LexiconImage& image = result.lexicon.image;
    io.out << parsed.output << ": " << image.totalWritten << " words, " << image.bytes.size() << " bytes (";
    for (int k = 0; k < kLexiconListCount; ++k)
        io.out << (k ? " " : "") << k + 3 << ':' << image.wordsWritten[k];
    io.out << ")";
    const qsizetype left = import.linesRead - image.totalWritten;
    if (left > 0)
        io.out << ", " << left << " lines of another length or with other characters left out";
    io.out << '\n';
    return kDictSuccess;
}
