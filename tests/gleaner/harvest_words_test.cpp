// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest_words.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList Tokens(const QString& line)
{
    QStringList tokens;
    QStringView rest(line);
    while (!rest.isEmpty())
        tokens.append(HarvestWords::CutToken(rest).toString());
    return tokens;
}

struct TokenCase {
    const char* name;
    const char* line;
    QStringList tokens;
};

class CutToken : public ::testing::TestWithParam<TokenCase> {};

TEST_P(CutToken, SplitsAtBlanksOnly)
{
    EXPECT_EQ(Tokens(QString::fromUtf8(GetParam().line)), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CutToken,
    ::testing::Values(
        TokenCase{"comma_stays_in_its_token", "casa, mare", {"casa,", "mare"}},
        TokenCase{"leading_blank_gives_one_empty_token", "  casa", {"", "casa"}},
        TokenCase{"trailing_blanks_give_nothing", "casa   ", {"casa"}},
        TokenCase{"tab_is_no_separator", "casa\tmare sole", {"casa\tmare", "sole"}},
        TokenCase{"no_break_space_is_no_separator", "casa\u00a0mare", {"casa\u00a0mare"}},
        TokenCase{"only_blanks", "   ", {""}},
        TokenCase{"empty_line", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WordCase {
    const char* name;
    const char* token;
    bool foreignLetters;
    const char* word;  // nullptr: not a word
};

class PlainWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(PlainWord, KeepsLettersAndAccentedVowelsOnly)
{
    const std::optional<QByteArray> word =
        HarvestWords::PlainWord(QString::fromUtf8(GetParam().token), GetParam().foreignLetters);
    if (GetParam().word) {
        EXPECT_EQ(word.value_or("<none>"), QByteArray(GetParam().word));
    } else {
        EXPECT_FALSE(word.has_value()) << word->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, PlainWord,
    ::testing::Values(
        WordCase{"mixed_case", "CaSa", false, "CASA"},
        WordCase{"grave_accent", "città", false, "CITTA"},
        WordCase{"acute_accent", "perché", false, "PERCHE"},
        WordCase{"every_italian_accent", "àèéìòù", false, "AEEIOU"},
        WordCase{"capital_accent", "CITTÀ", false, "CITTA"},
        WordCase{"umlaut_and_circumflex", "Über", false, "UBER"},
        WordCase{"cedilla_is_no_vowel", "façade", false, nullptr},
        WordCase{"n_tilde_is_no_vowel", "niño", false, nullptr},
        WordCase{"o_stroke_is_no_accented_vowel", "søren", false, nullptr},
        WordCase{"ordinal_indicator_is_no_letter", "primª", false, nullptr},
        WordCase{"sharp_s_is_no_letter", "straße", false, nullptr},
        WordCase{"decomposed_accent_is_no_letter_alone", "citta\u0300", false, nullptr},
        WordCase{"comma", "casa,", false, nullptr},
        WordCase{"apostrophe", "l'acqua", false, nullptr},
        WordCase{"emoji", "casa\U0001F600", false, nullptr},
        WordCase{"empty_token_is_an_empty_word", "", false, ""},
        WordCase{"w_without_box", "whisky", false, nullptr},
        WordCase{"x_without_box", "xilofono", false, nullptr},
        WordCase{"w_with_box", "whisky", true, "WHISKY"},
        WordCase{"x_with_box", "xilofono", true, "XILOFONO"},
        WordCase{"y_with_box", "Yoga", true, "YOGA"},
        WordCase{"y_acute_is_no_vowel_even_with_box", "ýes", true, nullptr},
        WordCase{"box_takes_no_other_character", "jazz!", true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(ReaderWords, CutsAtPunctuationAndLeavesOutElisionsAndNames)
{
    struct Row {
        const char* what;
        QStringList lines;
        bool sentenceStart;  // before the first line
        QStringList words;
        bool sentenceStartAfter;
    };
    const Row rows[] = {
        {"commas and a full stop", {"Era stanchi, e poi partì."}, true, {"Era", "stanchi", "e", "poi", "partì"}, true},
        {"digits and tabs cut", {"casa3mare\tsole"}, false, {"casa", "mare", "sole"}, false},
        {"the elided fragment", {"dell'anno e l’acqua"}, false, {"anno", "e", "acqua"}, false},
        {"an apostrophe at a word's end", {"un po' di"}, false, {"un", "po", "di"}, false},
        {"a name inside a sentence", {"disse Marco a Lucia"}, false, {"disse", "a"}, false},
        {"a capital after a full stop", {"fine. Poi via! Ecco"}, false, {"fine", "Poi", "via", "Ecco"}, false},
        {"a sentence goes on over the line end", {"arrivò", "Giulio tardi"}, true, {"arrivò", "tardi"}, false},
        {"a blank line starts a paragraph", {"fine", "", "Capitolo due"}, false, {"fine", "Capitolo", "due"}, false},
        {"an elision at the start uses it up", {"L'Italia è"}, true, {"è"}, false},
        {"hyphens and quotes", {"«vieni» disse, anti-età"}, false, {"vieni", "disse", "anti", "età"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        bool sentenceStart = row.sentenceStart;
        QStringList words;
        for (const QString& line : row.lines) {
            for (const QStringView word : HarvestWords::ReaderWords(line, sentenceStart))
                words.append(word.toString());
        }
        EXPECT_EQ(words, row.words);
        EXPECT_EQ(sentenceStart, row.sentenceStartAfter);
    }
}

}  // namespace
