// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_commands.h"
#include "tools/core/dict_lexicon_arguments.h"

#include "lexicon/core/lexicon_error.h"
#include "lexicon/core/lexicon_index.h"
#include "platform/core/program_folder.h"

#include <QFileInfo>

int RunInfoCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("info"));
    if (arguments.size() != 1)
        return DictUsageError(command, QStringLiteral("give exactly one lexicon file"), io);

    const QString path = ProgramFolder::Resolve(io.Path(arguments.first()));
    if (const QString problem = LexiconFileProblem(path, arguments.first()); !problem.isEmpty()) {
        io.err << "letterama-dict info: " << problem << '\n';
        return kDictFailure;
    }
    if (QFileInfo(path).size() > kLargestLexiconFileBytes) {
        io.err << "letterama-dict info: lexicon file is too large: " << arguments.first() << '\n';
        return kDictFailure;
    }
    const std::optional<LexiconIndex> index = LexiconIndex::Load(path);
    if (!index) {
        io.err << "letterama-dict info: cannot read lexicon file: " << arguments.first() << '\n';
        return kDictFailure;
    }
    for (int n = LexiconIndex::kMinLength; n <= LexiconIndex::kMaxLength; ++n)
        io.out << n << ' ' << index->SectionStart[n] << ' ' << index->SectionCount[n] << '\n';
    return kDictSuccess;
}
