#include "hunspell_spell_checker.h"

#include "dialogs.h"
#include "hunspell_dictionary.h"
#include "spell_check_dialog.h"
#include "spelling_pass.h"

#include <QApplication>

HunspellSpellChecker::HunspellSpellChecker(std::function<int()> language, Dialogs& dialogs,
                                           QStringList dictionaryFolders)
    : language_(std::move(language)), dialogs_(dialogs), folders_(std::move(dictionaryFolders))
{
}

HunspellSpellChecker::~HunspellSpellChecker() = default;

QString HunspellSpellChecker::DictionaryLocale(int language)
{
    switch (language) {
    case 1:
        return QStringLiteral("it_IT");
    case 2:
        return QStringLiteral("en_US");
    default:
        return {};
    }
}

QStringList HunspellSpellChecker::DefaultDictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

HunspellDictionary* HunspellSpellChecker::DictionaryFor(int language)
{
    const QString locale = DictionaryLocale(language);
    if (locale.isEmpty())
        return nullptr;
    auto found = loaded_.find(locale);
    if (found == loaded_.end())
        found = loaded_.emplace(locale, HunspellDictionary::Find(folders_, locale)).first;
    return found->second.get();
}

QString HunspellSpellChecker::SpellCheck(const QString& incorrectText)
{
    if (incorrectText.trimmed().isEmpty())
        return incorrectText;
    HunspellDictionary* dictionary = DictionaryFor(language_());
    if (!dictionary) {
        dialogs_.Inform(QStringLiteral("Nessun dizionario ortografico installato per questa lingua: "
                                       "il testo resta invariato."));
        return incorrectText;
    }
    SpellingPass pass(incorrectText, *dictionary);
    if (!pass.Next()) {
        dialogs_.Inform(QStringLiteral("Controllo ortografico completato: nessun errore trovato."));
        return incorrectText;
    }
    SpellCheckDialog dialog(pass, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? pass.Text() : incorrectText;
}
