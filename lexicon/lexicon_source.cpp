#include "lexicon_source.h"
#include "dialogs.h"
#include "language.h"
#include "program_folder.h"

LexiconSource LexiconSource::ForLanguage(int language, std::shared_ptr<const LexiconWords> words)
{
    return LexiconSource{language, TableOf(static_cast<::Language>(language)).LexiconFileName(), std::move(words)};
}

std::shared_ptr<const LexiconWords> LexiconSource::Open(Dialogs& dialogs) const
{
    std::shared_ptr<const LexiconWords> words;
    if (ProgramFolder::Exists(FileName))
        words = Words ? Words : LexiconWords::Load(ProgramFolder::Resolve(FileName));
    if (!words)
        dialogs.Inform(MissingLexiconMessage(Language));
    return words;
}

QString MissingLexiconMessage(int language)
{
    return MissingLexiconMessage(static_cast<Language>(language));
}
