// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/spell_checker.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class Dialogs;
class HunspellDictionary;

// The spelling check of the game's language on the Hunspell dictionaries installed
// with the system (it_IT, en_US). A language with none (Latin) leaves the text as it
// is, and the user is told so.
class HunspellSpellChecker : public SpellChecker {
public:
    // `locale` gives the dictionary of the game's language at the time of each check
    // ("it_IT"); empty for a language that has none.
    HunspellSpellChecker(std::function<QString()> locale, Dialogs& dialogs,
                         QStringList dictionaryFolders = DefaultDictionaryFolders());
    ~HunspellSpellChecker() override;

    QString SpellCheck(const QString& incorrectText) override;

    static QStringList DefaultDictionaryFolders();

    // The dictionary of a locale, loaded on first use; nullptr when there is none.
    HunspellDictionary* DictionaryFor(const QString& locale);

private:
    std::function<QString()> locale_;
    Dialogs& dialogs_;
    QStringList folders_;
    std::map<QString, std::unique_ptr<HunspellDictionary>> loaded_;  // by locale; nullptr: not installed
};
