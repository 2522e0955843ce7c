// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/language.h"

#include <array>

namespace {

const std::array<LanguageTable, 3>& Tables()
{
    // English and Latin add the five letters Italian spells only in foreign words,
    // and Y to the vowels.
    static const QString italianAlphabet = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");
    static const QString wideAlphabet = QStringLiteral("ABCDEFGHILMNOPQRSTUVZXYJKW");
    static const QString italianVowels = QStringLiteral("AAAAAAAAAEEEEEEEEEIIIIIIIIIIIIOOOOOOOOUUUU");
    static const QString wideVowels = QStringLiteral("AAAAAAAAAEEEEEEEEEIIIIIIIIIIIIOOOOOOOOUUUUYY");
    static const QString italianConsonants =
        QStringLiteral("BBCCCCCCDDFFFGGGGHHLLLLMMMMMMNNNNNNNPPPPPPQQRRRRRRRRSSSSSSSSSSTTTTTTTTTTVVZZZZZ");
    static const QString wideConsonants =
        QStringLiteral("BBCCCCCCDDFFFGGGGHHLLLLMMMMMMNNNNNNNPPPPPPQQRRRRRRRRSSSSSSSSSSTTTTTTTTTTVVZZZZZJKXW");
    static const std::array<LanguageTable, 3> tables{{
        {Language::Italian, QStringLiteral("Letterama - Dizionario Italiano"), QStringLiteral("italiano"),
         QStringLiteral("it_IT"), italianAlphabet, italianVowels, italianConsonants},
        {Language::English, QStringLiteral("Letterama - Dizionario Inglese"), QStringLiteral("inglese"),
         QStringLiteral("en_US"), wideAlphabet, wideVowels, wideConsonants},
        {Language::Latin, QStringLiteral("Letterama - Dizionario Latino"), QStringLiteral("latino"), QString(),
         wideAlphabet, wideVowels, wideConsonants},
    }};
    return tables;
}

}  // namespace

QString LanguageTable::LexiconFileName() const
{
    return QStringLiteral("SLESSICO.") + QString::number(Number());
}

QString LanguageTable::VocabularyFileName() const
{
    return QStringLiteral("USERVOCA.") + QString::number(Number());
}

const LanguageTable& TableOf(Language language)
{
    const int row = static_cast<int>(language) - 1;
    return Tables()[row >= 0 && row < 3 ? row : 0];
}

std::optional<Language> LanguageFromNumber(int number)
{
    if (number < 1 || number > 3)
        return std::nullopt;
    return static_cast<Language>(number);
}

QString MissingLexiconMessage(Language language)
{
    return QStringLiteral("Errore 0002: Non trovato file di vocabolario ") + TableOf(language).LexiconFileName();
}
