// SPDX-License-Identifier: GPL-3.0-or-later
#include "dict_commands.h"

#include "lexicon_index.h"
#include "program_folder.h"

#include <QFileInfo>

int RunInfoCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("info"));
    if (arguments.size() != 1)
        return DictUsageError(command, QStringLiteral("give exactly one lexicon file"), io);

    const QString path = ProgramFolder::Resolve(arguments.first());
    if (!QFileInfo(path).isFile()) {
        io.err << "letterama-dict info: no such lexicon file: " << arguments.first() << '\n';
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
