#pragma once

#include "spell_checker.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class Dialogs;
class HunspellDictionary;

// The spelling check of the game's language on the Hunspell dictionaries installed
// with the system: it_IT for Italian, en_US for English. Latin has none, and then
// the text stays as it is and the user is told so.
class HunspellSpellChecker : public SpellChecker {
public:
    // `language` gives the game's language (1, 2 or 3) at the time of each check.
    HunspellSpellChecker(std::function<int()> language, Dialogs& dialogs,
                         QStringList dictionaryFolders = DefaultDictionaryFolders());
    ~HunspellSpellChecker() override;

    QString SpellCheck(const QString& incorrectText) override;

    // The Hunspell dictionary name of a game language; empty for none.
    static QString DictionaryLocale(int language);
    static QStringList DefaultDictionaryFolders();

    // The dictionary of a language, loaded on first use; nullptr when there is none.
    HunspellDictionary* DictionaryFor(int language);

private:
    std::function<int()> language_;
    Dialogs& dialogs_;
    QStringList folders_;
    std::map<QString, std::unique_ptr<HunspellDictionary>> loaded_;  // by locale; nullptr: not installed
};
