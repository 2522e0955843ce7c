// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_lexicon_arguments.h"

#include "platform/core/program_folder.h"
#include "platform/core/safe_file_write.h"

QString ParseLexiconArguments(const QStringList& arguments, const QStringList& allowed, LexiconArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--"))) {
            parsed.positional.append(argument);
            continue;
        }
        QString name = argument;
        QString value;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return QStringLiteral("%1 needs a value").arg(argument);
        }
        if (!allowed.contains(name))
            return QStringLiteral("unknown option '%1'").arg(name);
        (name == QLatin1String("--lexicon")      ? parsed.lexicon
         : name == QLatin1String("--vocabulary") ? parsed.vocabulary
                                                 : parsed.excluded) = value;
    }
    if (parsed.lexicon.isEmpty())
        return QStringLiteral("--lexicon is required");
    return {};
}

QString LexiconFileProblem(const QString& path, const QString& name)
{
    using SafeFileWrite::Kind;
    const SafeFileWrite::Target target = SafeFileWrite::Inspect(ProgramFolder::Resolve(path));
    const char* what = nullptr;
    switch (target.kind) {
    case Kind::Missing:
        return QStringLiteral("no such lexicon file: ") + name;
    case Kind::RegularFile:
        return {};
    case Kind::Folder:
        what = "a folder";
        break;
    case Kind::Fifo:
        what = "a FIFO";
        break;
    case Kind::Device:
        what = "a device";
        break;
    case Kind::Socket:
        what = "a socket";
        break;
    case Kind::DanglingLink:
        return QStringLiteral("lexicon file is a link to nothing: ") + name;
    case Kind::Other:
        what = "a special file";
        break;
    }
    return QStringLiteral("lexicon file is ") + (target.viaLink ? QStringLiteral("a link to ") : QString()) +
           QString::fromLatin1(what) + QStringLiteral(", not a regular file: ") + name;
}

std::optional<LexiconScan> OpenLexiconForCommand(const DictCommand& command, const QString& name, DictIo& io)
{
    const QString path = io.Path(name);
    LexiconResult<LexiconScan> scan = LexiconScan::Open(path);
    if (scan)
        return std::move(*scan);
    QString problem = LexiconFileProblem(path, name);
    if (problem.isEmpty()) {
        problem = scan.Error().kind == LexiconError::Kind::TooLarge ? QStringLiteral("lexicon file is too large: ")
                                                                     : QStringLiteral("cannot read lexicon file: ");
        problem += name;
    }
    io.err << "letterama-dict " << command.name << ": " << problem << '\n';
    return std::nullopt;
}
