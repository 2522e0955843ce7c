// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The lexicon languages. The number is the one the files use: "SLESSICO.2" is the
// English lexicon, "Dizionario=2" in the settings file chooses it.
enum class Language { Italian = 1, English = 2, Latin = 3 };

// Everything that differs from one language to another, one row per language.
struct LanguageTable {
    Language Id;
    // The main window's caption while the language is in use.
    QString WindowCaption;
    // "italiano", "inglese", "latino": the lexicon banner names the language so.
    QString AdjectiveInBanner;
    // The Hunspell dictionary of the spell check; empty where the system has none.
    QString HunspellLocale;
    // The letters a word may hold, and the two weighted draw pools: a letter's share
    // of draws is its number of copies in its pool.
    QString Alphabet;
    QString VowelPool;
    QString ConsonantPool;

    int Number() const { return static_cast<int>(Id); }
    // "SLESSICO." followed by the language number.
    QString LexiconFileName() const;
    // "USERVOCA." followed by the language number.
    QString VocabularyFileName() const;
};

// The row of a language.
const LanguageTable& TableOf(Language language);

// The language a stored number names; nothing for a number outside 1 to 3.
std::optional<Language> LanguageFromNumber(int number);

// The message of every reader that finds no lexicon file:
// "Errore 0002: Non trovato file di vocabolario SLESSICO.1".
QString MissingLexiconMessage(Language language);
