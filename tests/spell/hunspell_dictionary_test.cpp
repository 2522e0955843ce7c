// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/hunspell_dictionary.h"
#include "platform/ui/hunspell_spell_checker.h"
#include "model/language.h"
#include "tests/support/temp_program_folder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<HunspellDictionary> SystemDictionary(int language)
{
    return HunspellDictionary::Find(HunspellSpellChecker::DefaultDictionaryFolders(),
                                    TableOf(static_cast<Language>(language)).HunspellLocale);
}

TEST(HunspellDictionary, ItalianSuggestsTheWordMeant)
{
    auto italian = SystemDictionary(1);
    if (!italian)
        GTEST_SKIP() << "no it_IT Hunspell dictionary installed";

    EXPECT_TRUE(italian->IsCorrect(QStringLiteral("casa")));
    EXPECT_TRUE(italian->IsCorrect(QStringLiteral("città")));
    EXPECT_TRUE(italian->IsCorrect(QStringLiteral("CASA")));
    EXPECT_FALSE(italian->IsCorrect(QStringLiteral("caza")));
    EXPECT_FALSE(italian->IsCorrect(QStringLiteral("magliome")));

    EXPECT_TRUE(italian->Suggestions(QStringLiteral("caza")).contains(QStringLiteral("casa")));
    EXPECT_TRUE(italian->Suggestions(QStringLiteral("magliome")).contains(QStringLiteral("maglione")));
    EXPECT_TRUE(italian->Suggestions(QStringLiteral("MAGLIOME")).contains(QStringLiteral("MAGLIONE")));
    EXPECT_TRUE(italian->Suggestions(QStringLiteral("citta")).contains(QStringLiteral("città")));
}

TEST(HunspellDictionary, EnglishSuggestsTheWordMeant)
{
    auto english = SystemDictionary(2);
    if (!english)
        GTEST_SKIP() << "no en_US Hunspell dictionary installed";
    EXPECT_TRUE(english->IsCorrect(QStringLiteral("house")));
    EXPECT_TRUE(english->Suggestions(QStringLiteral("hosue")).contains(QStringLiteral("house")));
}

TEST(HunspellDictionary, WordsCrossASingleByteDictionaryEncodingBothWays)
{
    TempProgramFolder folder;
    folder.Write("xx_XX.aff", "SET ISO8859-1\nTRY aeiou\xe0\xe8\xe9\n");
    folder.Write("xx_XX.dic", "2\ncitt\xe0\nperch\xe9\n");
    auto dictionary = HunspellDictionary::Find({folder.Path()}, QStringLiteral("xx_XX"));
    ASSERT_TRUE(dictionary);

    EXPECT_EQ(dictionary->Encoding(), QStringLiteral("ISO8859-1"));
    EXPECT_TRUE(dictionary->IsCorrect(QStringLiteral("città")));
    EXPECT_TRUE(dictionary->IsCorrect(QStringLiteral("perché")));
    EXPECT_FALSE(dictionary->IsCorrect(QStringLiteral("citta")));
    EXPECT_FALSE(dictionary->IsCorrect(QStringLiteral("Łódź"))) << "not writable in the dictionary's encoding";
    EXPECT_TRUE(dictionary->Suggestions(QStringLiteral("citta")).contains(QStringLiteral("città")));
}

TEST(HunspellDictionary, MissingFilesGiveNoDictionaryAndLatinHasNone)
{
    TempProgramFolder folder;
    EXPECT_FALSE(HunspellDictionary::Find({folder.Path()}, QStringLiteral("it_IT")));
    folder.Write("it_IT.aff", "SET UTF-8\n");
    EXPECT_FALSE(HunspellDictionary::Find({folder.Path()}, QStringLiteral("it_IT"))) << "the .dic is missing";
    EXPECT_TRUE(TableOf(Language::Latin).HunspellLocale.isEmpty());
}

}  // namespace
