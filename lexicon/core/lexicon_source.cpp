// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_source.h"
#include "model/language.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"

#include <QFileInfo>

LexiconSource LexiconSource::ForLanguage(const ProgramFiles& files, Language language,
                                         std::shared_ptr<const LexiconWords> words)
{
    return LexiconSource{language, files.Resolve(TableOf(language).LexiconFileName()), std::move(words)};
}

LexiconResult<std::shared_ptr<const LexiconWords>> LexiconSource::Open() const
{
    if (!ProgramFolder::Exists(FileName))
        return LexiconError::MissingFile(LexiconLanguage, FileName);
    if (Words)
        return Words;
    const QString path = ProgramFolder::Resolve(FileName);
    if (QFileInfo(path).size() > kLargestLexiconFileBytes)
        return LexiconError::TooLargeFile(LexiconLanguage, FileName);
    std::shared_ptr<const LexiconWords> words = LexiconWords::Load(path);
    if (!words)
        return LexiconError::UnreadableFile(LexiconLanguage, FileName);
    return words;
}