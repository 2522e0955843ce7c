// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/language.h"
#include "model/letter_folding.h"
#include "lexicon/core/word_list_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QString kItalian = TableOf(Language::Italian).Alphabet;
const QString kEnglish = TableOf(Language::English).Alphabet;

// Every word the lists give, all lengths together in length order.
QByteArrayList Build(const QString& alphabet, std::initializer_list<QByteArray> lists)
{
    WordListBuilder builder(alphabet);
    for (const QByteArray& list : lists)
        builder.AddList(list);
    QByteArrayList all;
    for (const QByteArrayList& list : builder.Finish())
        all += list;
    return all;
}

struct LineCase {
    const char* name;
    QByteArray list;      // a lower-case list around the line under test
    QByteArrayList kept;  // what comes out, all lengths together
};

class WordListLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(WordListLines, KeepOnlyPlainWordsOfTheItalianAlphabet)
{
    EXPECT_EQ(Build(kItalian, {GetParam().list}), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordListLines,
    ::testing::Values(
        LineCase{"grave_accents_fold", "citt\xC3\xA0\nperch\xC3\xA9\ncos\xC3\xAC\nperci\xC3\xB2\ngi\xC3\xB9\n",
                 {"GIU", "COSI", "CITTA", "PERCHE", "PERCIO"}},
        LineCase{"decomposed_accents_fold_alike", "citta\xCC\x80\ncitt\xC3\xA0\n", {"CITTA"}},
        LineCase{"macrons_and_breves_fold", "\xC4\x81\x6D\xC5\x8D\nr\xC5\x8Ds\xC4\x83\n", {"AMO", "ROSA"}},
        LineCase{"latin1_list", "citt\xE0\nperch\xE9\n", {"CITTA", "PERCHE"}},
        LineCase{"crlf_and_blanks", "casa\r\n  mare \t\r\n\r\n\nsole", {"CASA", "MARE", "SOLE"}},
        LineCase{"lengths_three_to_ten", "al\nalt\nprecipitare\nprecipitai\n", {"ALT", "PRECIPITAI"}},
        LineCase{"letters_outside_the_alphabet", "jazz\nkiwi\nwow\nxeno\nyoga\nzoo\n", {"ZOO"}},
        LineCase{"no_letters_but_letters", "l'acqua\nbel-paese\nanno2\ncasa mia\nok.\ncane\n", {"CANE"}},
        LineCase{"capitals_in_a_lower_case_list",
                 "roma\nRoma\nMilano\nNATO\nmcDonald\niPod\nvaso\n", {"ROMA", "VASO"}},
        LineCase{"roman_numerals", "xvii\nccl\ncdl\nmmxx\nviii\ndivi\nmille\nvil\n", {"VIL", "DIVI", "MILLE"}},
        LineCase{"repeats_kept_once", "casa\nCASA\ncasa\ncas\xC3\xA0\n", {"CASA"}},
        LineCase{"byte_order_within_a_length", "zucca\nabaco\nmamma\nabate\n", {"ABACO", "ABATE", "MAMMA", "ZUCCA"}},
        LineCase{"byte_order_mark", "\xEF\xBB\xBF" "casa\nmare\n", {"CASA", "MARE"}},
        LineCase{"ligatures", "c\xC5\x93lum\n\xC3\xA6tas\n", {"AETAS", "COELUM"}},
        LineCase{"empty", "", {}},
        LineCase{"no_newline_at_the_end", "casa", {"CASA"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordListBuilder, AnUpperCaseListKeepsEveryWord)
{
    WordListBuilder builder(kItalian);
    const WordListStats stats = builder.AddList("ROMA\r\nMILANO\r\nCCL\r\nnave\r\n");
    EXPECT_FALSE(stats.lowerCaseList);
    EXPECT_EQ(stats.namesAndNumerals, 0);
    EXPECT_EQ(builder.Finish()[0], QByteArrayList{"CCL"});
}

TEST(WordListBuilder, EachListIsJudgedByItsOwnCase)
{
    WordListBuilder builder(kItalian);
    const WordListStats upper = builder.AddList("ROMA\nNAVE\n");
    const WordListStats lower = builder.AddList("Milano\ncane\ngatto\n");
    EXPECT_FALSE(upper.lowerCaseList);
    EXPECT_TRUE(lower.lowerCaseList);
    EXPECT_EQ(lower.namesAndNumerals, 1);
    EXPECT_EQ(lower.accepted, 2);
    EXPECT_EQ(lower.lines, 3);
    const LexiconWordLists lists = builder.Finish();
    EXPECT_EQ(lists[1], (QByteArrayList{"CANE", "NAVE", "ROMA"}));
    EXPECT_EQ(lists[2], QByteArrayList{"GATTO"});
    EXPECT_TRUE(lists[3].isEmpty()) << "MILANO was dropped";
}

TEST(WordListBuilder, EncodingIsDetectedPerList)
{
    WordListBuilder builder(kItalian);
    EXPECT_TRUE(builder.AddList("citt\xC3\xA0\n").utf8);
    EXPECT_FALSE(builder.AddList("virt\xF9\n").utf8);
    EXPECT_FALSE(builder.AddList("caff\xC3\n").utf8) << "a cut UTF-8 sequence";
    EXPECT_FALSE(builder.AddList("\xC0\xAF\x61mo\n").utf8) << "an overlong form";
    EXPECT_FALSE(builder.AddList("\xED\xA0\x80ola\n").utf8) << "a surrogate";
    EXPECT_EQ(Build(kItalian, {"citt\xC3\xA0\n", "virt\xF9\n"}), (QByteArrayList{"CITTA", "VIRTU"}));
}

TEST(WordListBuilder, TheAlphabetDecidesWhichWordsStay)
{
    const QByteArray list = "jazz\nkiwi\nyoga\ncasa\n";
    EXPECT_EQ(Build(kItalian, {list}), QByteArrayList{"CASA"});
    EXPECT_EQ(Build(kEnglish, {list}), (QByteArrayList{"CASA", "JAZZ", "KIWI", "YOGA"}));
}

TEST(WordListBuilder, LongListsOfEveryLengthComeOutSortedAndUnique)
{
    // Every 3-letter combination of a small set, written twice in reverse order.
    QByteArray list;
    const QByteArray letters = "zbea";  // no Roman numeral among them
    for (int round = 0; round < 2; ++round)
        for (char a : letters)
            for (char b : letters)
                for (char c : letters)
                    list += QByteArray(1, a) + b + c + '\n';
    const LexiconWordLists lists = [&] {
        WordListBuilder builder(kItalian);
        builder.AddList(list);
        return builder.Finish();
    }();
    ASSERT_EQ(lists[0].size(), 64);
    for (qsizetype i = 1; i < lists[0].size(); ++i)
        EXPECT_LT(lists[0][i - 1], lists[0][i]);
    EXPECT_EQ(lists[0].first(), "AAA");
    EXPECT_EQ(lists[0].last(), "ZZZ");
}

struct FoldCase {
    const char* name;
    char32_t codePoint;
    FoldedLetter::Kind kind;
    const char* letters;
    bool upperCase;
};

class Folding : public ::testing::TestWithParam<FoldCase> {};

TEST_P(Folding, GivesPlainCapitals)
{
    const FoldCase& row = GetParam();
    const FoldedLetter folded = FoldLetter(row.codePoint);
    EXPECT_EQ(folded.kind, row.kind);
    EXPECT_EQ(std::string(folded.letters, folded.count), row.letters);
    EXPECT_EQ(folded.upperCase, row.upperCase);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Folding,
    ::testing::Values(FoldCase{"a", U'a', FoldedLetter::Letter, "A", false},
                      FoldCase{"Z", U'Z', FoldedLetter::Letter, "Z", true},
                      FoldCase{"a_grave", U'\u00E0', FoldedLetter::Letter, "A", false},
                      FoldCase{"E_acute", U'\u00C9', FoldedLetter::Letter, "E", true},
                      FoldCase{"u_breve", U'\u016D', FoldedLetter::Letter, "U", false},
                      FoldCase{"y_macron", U'\u0233', FoldedLetter::Letter, "Y", false},
                      FoldCase{"u_diaeresis_macron", U'\u01D6', FoldedLetter::Letter, "U", false},
                      FoldCase{"ae", U'\u00E6', FoldedLetter::Letter, "AE", false},
                      FoldCase{"OE", U'\u0152', FoldedLetter::Letter, "OE", true},
                      FoldCase{"sharp_s", U'\u00DF', FoldedLetter::Letter, "SS", false},
                      FoldCase{"o_stroke", U'\u00F8', FoldedLetter::Letter, "O", false},
                      FoldCase{"fi_ligature", U'\uFB01', FoldedLetter::Letter, "FI", false},
                      FoldCase{"combining_grave", U'\u0300', FoldedLetter::CombiningMark, "", false},
                      FoldCase{"combining_breve", U'\u0306', FoldedLetter::CombiningMark, "", false},
                      FoldCase{"apostrophe", U'\'', FoldedLetter::NotALetter, "", false},
                      FoldCase{"digit", U'7', FoldedLetter::NotALetter, "", false},
                      FoldCase{"c1_control", U'\u0092', FoldedLetter::NotALetter, "", false},
                      FoldCase{"greek_alpha", U'\u03B1', FoldedLetter::NotALetter, "", false},
                      FoldCase{"cyrillic_short_u", U'\u045E', FoldedLetter::NotALetter, "", false},
                      FoldCase{"cjk", U'\u4E00', FoldedLetter::NotALetter, "", false},
                      FoldCase{"emoji", U'\U0001F600', FoldedLetter::NotALetter, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
