#include "lexicon_source.h"
#include "language.h"
#include "program_folder.h"

LexiconSource LexiconSource::ForLanguage(int language, std::shared_ptr<const LexiconWords> words)
{
    return LexiconSource{language, TableOf(static_cast<::Language>(language)).LexiconFileName(), std::move(words)};
}

LexiconResult<std::shared_ptr<const LexiconWords>> LexiconSource::Open() const
{
    if (!ProgramFolder::Exists(FileName))
        return LexiconError::MissingFile(static_cast<::Language>(Language), FileName);
    if (Words)
        return Words;
    std::shared_ptr<const LexiconWords> words = LexiconWords::Load(ProgramFolder::Resolve(FileName));
    if (!words)
        return LexiconError::UnreadableFile(static_cast<::Language>(Language), FileName);
    return words;
}