// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/hunspell_spell_checker.h"

#include "platform/core/dialogs.h"
#include "platform/ui/hunspell_dictionary.h"
#include "platform/ui/spell_check_dialog.h"
#include "platform/ui/spelling_pass.h"

#include <QApplication>

HunspellSpellChecker::HunspellSpellChecker(std::function<QString()> locale, Dialogs& dialogs,
                                           QStringList dictionaryFolders)
    : locale_(std::move(locale)), dialogs_(dialogs), folders_(std::move(dictionaryFolders))
{
}

HunspellSpellChecker::~HunspellSpellChecker() = default;

QStringList HunspellSpellChecker::DefaultDictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

HunspellDictionary* HunspellSpellChecker::DictionaryFor(const QString& locale)
{
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
    HunspellDictionary* dictionary = DictionaryFor(locale_ ? locale_() : QString());
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
