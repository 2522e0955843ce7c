// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon_source.h"
#include "language.h"
#include "program_folder.h"

LexiconSource LexiconSource::ForLanguage(Language language, std::shared_ptr<const LexiconWords> words)
{
    return LexiconSource{language, TableOf(language).LexiconFileName(), std::move(words)};
}

LexiconResult<std::shared_ptr<const LexiconWords>> LexiconSource::Open() const
{
    if (!ProgramFolder::Exists(FileName))
        return LexiconError::MissingFile(LexiconLanguage, FileName);
    if (Words)
        return Words;
    std::shared_ptr<const LexiconWords> words = LexiconWords::Load(ProgramFolder::Resolve(FileName));
    if (!words)
        return LexiconError::UnreadableFile(LexiconLanguage, FileName);
    return words;
}