#include "dict_commands.h"
#include "dict_lexicon_arguments.h"

#include "word_search.h"

// `solve`: the computer players' search of the game over a lexicon file.
int RunSolveCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("solve"));
    LexiconArguments parsed;
    if (const QString error = ParseLexiconArguments(arguments, {QStringLiteral("--lexicon")}, parsed); !error.isEmpty())
        return DictUsageError(command, error, io);
    if (parsed.positional.size() != 1)
        return DictUsageError(command, QStringLiteral("give the drawn letters"), io);

    const std::shared_ptr<const LexiconWords> words = LoadLexiconForCommand(command, parsed.lexicon, io);
    if (!words)
        return kDictFailure;
    const QString letters = parsed.positional.first().toUpper();
    for (const QString& word : WordSearch::FindAll(*words, letters, static_cast<int>(letters.size())))
        io.out << FoundWordLine(word) << '\n';
    return kDictSuccess;
}
