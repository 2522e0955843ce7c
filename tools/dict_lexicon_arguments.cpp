// SPDX-License-Identifier: GPL-3.0-or-later
#include "dict_lexicon_arguments.h"

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

std::optional<LexiconScan> OpenLexiconForCommand(const DictCommand& command, const QString& name, DictIo& io)
{
    LexiconResult<LexiconScan> scan = LexiconScan::Open(name);
    if (scan)
        return std::move(*scan);
    const bool missing = scan.Error().kind == LexiconError::Kind::Missing;
    io.err << "letterama-dict " << command.name << ": " << (missing ? "no such" : "cannot read") << " lexicon file: "
           << name << '\n';
    return std::nullopt;
}
