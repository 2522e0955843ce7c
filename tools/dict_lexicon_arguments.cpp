#include "dict_lexicon_arguments.h"

#include "program_folder.h"

#include <QFileInfo>

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

std::shared_ptr<const LexiconWords> LoadLexiconForCommand(const DictCommand& command, const QString& name,
                                                          DictIo& io)
{
    const QString path = ProgramFolder::Resolve(name);
    if (!QFileInfo(path).isFile()) {
        io.err << "letterama-dict " << command.name << ": no such lexicon file: " << name << '\n';
        return nullptr;
    }
    std::shared_ptr<const LexiconWords> words = LexiconWords::Load(path);
    if (!words)
        io.err << "letterama-dict " << command.name << ": cannot read lexicon file: " << name << '\n';
    return words;
}
