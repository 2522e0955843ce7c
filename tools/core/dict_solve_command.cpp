// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"
#include "tools/core/dict_lexicon_arguments.h"

#include "lexicon/core/word_search.h"

// `solve`: the computer players' search of the game over a lexicon file.
int RunSolveCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("solve"));
    LexiconArguments parsed;
    if (const QString error = ParseLexiconArguments(arguments, {QStringLiteral("--lexicon")}, parsed); !error.isEmpty())
        return DictUsageError(command, error, io);
    if (parsed.positional.size() != 1)
        return DictUsageError(command, QStringLiteral("give the drawn letters"), io);

    // One draw: a pass over the file's sections finds the words faster than loading
    // the lexicon and indexing it would.
    std::optional<LexiconScan> lexicon = OpenLexiconForCommand(command, parsed.lexicon, io);
    if (!lexicon)
        return kDictFailure;
    const QString letters = parsed.positional.first().toUpper();
    for (const QString& word : lexicon->FindAll(letters, static_cast<int>(letters.size())))
        io.out << FoundWordLine(word) << '\n';
    return kDictSuccess;
}
