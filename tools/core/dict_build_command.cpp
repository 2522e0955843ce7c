// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"

#include "model/language.h"
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/core/word_list_builder.h"

#include <QFile>
#include <QFileInfo>

namespace {

const DictCommand& Command()
{
    return *FindDictCommand(QStringLiteral("build"));
}

struct BuildArguments {
    int language = 0;
    QString output;
    QStringList wordLists;
};

// Fills `parsed`; returns an error message, empty when the arguments are sound.
QString ParseArguments(const QStringList& arguments, BuildArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString value;
        const bool isLanguage = argument == QLatin1String("--language") || argument == QLatin1String("-l");
        const bool isOutput = argument == QLatin1String("--output") || argument == QLatin1String("-o");
        if (isLanguage || isOutput) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(argument);
            value = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--language="))) {
            value = argument.section(QLatin1Char('='), 1);
        } else if (argument.startsWith(QLatin1String("--output="))) {
            value = argument.section(QLatin1Char('='), 1);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return QStringLiteral("unknown option '%1'").arg(argument);
        } else {
            parsed.wordLists.append(argument);
            continue;
        }

        if (isLanguage || argument.startsWith(QLatin1String("--language="))) {
            bool ok = false;
            parsed.language = value.toInt(&ok);
            if (!ok || parsed.language < 1 || parsed.language > 3)
                return QStringLiteral("the language must be 1 (Italian), 2 (English) or 3 (Latin), not '%1'")
                    .arg(value);
        } else {
            if (value.isEmpty())
                return QStringLiteral("the output file name is empty");
            parsed.output = value;
        }
    }
    if (parsed.language == 0)
        return QStringLiteral("--language is required");
    if (parsed.wordLists.isEmpty())
        return QStringLiteral("no word list given");
    return {};
}

QString Describe(const WordListStats& stats)
{
    return QStringLiteral("%1 lines, %2, %3 case, %4 words taken, %5 names, abbreviations and numerals dropped")
        .arg(stats.lines)
        .arg(stats.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Latin-1"))
        .arg(stats.lowerCaseList ? QStringLiteral("lower") : QStringLiteral("upper"))
        .arg(stats.accepted)
        .arg(stats.namesAndNumerals);
}

// Why the word list at `path` cannot be read; empty when it can.
QString UnreadableReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a file");
    if (!info.isReadable())
        return QStringLiteral("permission denied");
    return {};
}

}  // namespace

int RunBuildCommand(const QStringList& arguments, DictIo& io)
{
    BuildArguments parsed;
    if (const QString problem = ParseArguments(arguments, parsed); !problem.isEmpty())
        return DictUsageError(Command(), problem, io);
    if (parsed.output.isEmpty())
        parsed.output = TableOf(static_cast<Language>(parsed.language)).LexiconFileName();

    // Every list is checked before any is read, so a typo fails at once.
    for (const QString& path : parsed.wordLists) {
        if (const QString problem = UnreadableReason(io.Path(path)); !problem.isEmpty()) {
            io.err << "letterama-dict build: cannot read word list '" << path << "': " << problem << '\n';
            return kDictFailure;
        }
    }

    WordListBuilder builder(TableOf(static_cast<Language>(parsed.language)).Alphabet);
    for (const QString& path : parsed.wordLists) {
        QFile file(io.Path(path));
        if (!file.open(QIODevice::ReadOnly)) {
            io.err << "letterama-dict build: cannot read word list '" << path << "': " << file.errorString() << '\n';
            return kDictFailure;
        }
        // Mapped rather than read: a full list runs to tens of megabytes.
        const qint64 size = file.size();
        const uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
        const QByteArray contents = mapped ? QByteArray() : file.readAll();
        const QByteArrayView view = mapped ? QByteArrayView(mapped, size) : QByteArrayView(contents);
        io.out << path << ": " << Describe(builder.AddList(view)) << '\n';
    }

    const LexiconImage image = ComposeLexicon(builder.Finish(), LexiconBanner(static_cast<Language>(parsed.language)));
    QString error;
    if (!WriteLexiconFile(io.Path(parsed.output), image, &error)) {
        io.err << "letterama-dict build: cannot write '" << parsed.output << "': " << error << '\n';
        return kDictFailure;
    }
    io.out << parsed.output << ": " << image.totalWritten << " words, " << image.bytes.size() << " bytes (";
    for (int k = 0; k < kLexiconListCount; ++k)
        io.out << (k ? " " : "") << k + 3 << ':' << image.wordsWritten[k];
    io.out << ")\n";
    return kDictSuccess;
}
