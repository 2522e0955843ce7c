// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"

#include "tools/core/dict_lexicon_arguments.h"
#include "gleaner/core/harvest.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/program_folder.h"
#include "lexicon/core/word_lookup.h"
#include "platform/core/program_files.h"

#include <QFileInfo>

// `harvest`: Gleaner's harvest of a text file into the per-length word files of a folder.
namespace {

void PrintCounts(const HarvestCounts& counts, bool skipKnown, QTextStream& out)
{
    out << "tokens read: " << counts.tokens << '\n'
        << "words appended: " << counts.appended << '\n'
        << "words dropped: " << counts.Dropped() << " (" << counts.notWords << " not words of 2 to 15 letters, "
        << counts.known << " already in the files";
    if (skipKnown)
        out << ", " << counts.inLexicon << " already in the lexicon";
    out << ")\n";
}

}  // namespace

int RunHarvestCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("harvest"));
    bool foreignLetters = false;
    bool names = false;
    QString knownLexicon;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--foreign-letters")) {
            foreignLetters = true;
        } else if (argument == QLatin1String("--names")) {
            names = true;
        } else if (argument == QLatin1String("--skip-known") || argument.startsWith(QLatin1String("--skip-known="))) {
            if (argument.contains(QLatin1Char('=')))
                knownLexicon = argument.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                knownLexicon = arguments[++i];
            if (knownLexicon.isEmpty())
                return DictUsageError(command, QStringLiteral("--skip-known needs a lexicon file"), io);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return DictUsageError(command, QStringLiteral("unknown option '%1'").arg(argument), io);
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 2)
        return DictUsageError(command, QStringLiteral("give the text file and the folder of the word files"), io);
    const QString& folder = positional[1];
    if (!QFileInfo(io.Path(folder)).isDir()) {
        io.err << "letterama-dict harvest: no such folder: " << folder << '\n';
        return kDictFailure;
    }
    std::shared_ptr<const LexiconWords> known;
    if (!knownLexicon.isEmpty()) {
        if (const QString problem = LexiconFileProblem(io.Path(knownLexicon), knownLexicon); !problem.isEmpty()) {
            io.err << "letterama-dict harvest: " << problem << '\n';
            return kDictFailure;
        }
        known = LexiconWords::Load(ProgramFolder::Resolve(io.Path(knownLexicon)));
        if (!known) {
            io.err << "letterama-dict harvest: cannot read lexicon file: " << knownLexicon << '\n';
            return kDictFailure;
        }
    }

    Harvest harvest(io.Path(positional[0]), ProgramFiles(io.Path(folder)), foreignLetters,
                    names ? Harvest::Cutting::AsReader : Harvest::Cutting::AtBlanks);
    if (known) {
        harvest.knownToLexicon = [known](const QByteArray& word) {
            return WordLookup::InLexicon(*known, QString::fromLatin1(word));
        };
    }
    const Harvest::State state = harvest.RunToEnd();
    PrintCounts(harvest.Counts(), known != nullptr, io.out);
    if (state == Harvest::State::Failed) {
        io.err << "letterama-dict harvest: " << harvest.Error() << '\n';
        return kDictFailure;
    }
    return kDictSuccess;
}
