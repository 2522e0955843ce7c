// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"
#include "tools/core/dict_lexicon_arguments.h"

#include "platform/core/program_folder.h"
#include "lexicon/core/word_lookup.h"

// `lookup`: the game's word lookup over a lexicon file and a personal vocabulary.
int RunLookupCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("lookup"));
    LexiconArguments parsed;
    const QStringList options{QStringLiteral("--lexicon"), QStringLiteral("--vocabulary"), QStringLiteral("--excluded")};
    if (const QString error = ParseLexiconArguments(arguments, options, parsed); !error.isEmpty())
        return DictUsageError(command, error, io);
    if (parsed.positional.size() != 2)
        return DictUsageError(command, QStringLiteral("give the drawn letters and the word"), io);

    std::optional<LexiconScan> lexicon = OpenLexiconForCommand(command, parsed.lexicon, io);
    if (!lexicon)
        return kDictFailure;
    // The game reads a missing vocabulary as an empty one; a file named here must be there.
    if (!parsed.vocabulary.isEmpty() && !ProgramFolder::Exists(io.Path(parsed.vocabulary))) {
        io.err << "letterama-dict lookup: no such vocabulary file: " << parsed.vocabulary << '\n';
        return kDictFailure;
    }
    const WordLookup::Query query{parsed.positional[1].toUpper(), parsed.excluded.toUpper(),
                                  parsed.positional[0].toUpper()};
    // One word: only the section of its length is read, straight from the file.
    const QString verdict = WordLookup::JudgeWith([&](const QString& word) { return lexicon->Contains(word); },
                                                  io.Path(parsed.vocabulary), query);
    io.out << verdict << '\n';
    return kDictSuccess;
}
