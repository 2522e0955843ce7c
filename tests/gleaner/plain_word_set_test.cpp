// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/plain_word_set.h"

#include <QByteArray>
#include <QByteArrayList>

#include <gtest/gtest.h>

namespace {

struct SetCase {
    const char* name;
    QByteArrayList inserted;
    QByteArrayList present;
    QByteArrayList absent;
};

class PlainWordSetLookup : public ::testing::TestWithParam<SetCase> {};

TEST_P(PlainWordSetLookup, FindsExactlyTheWordsPutIn)
{
    PlainWordSet set;
    for (const QByteArray& word : GetParam().inserted)
        set.Insert(word);
    for (const QByteArray& word : GetParam().present)
        EXPECT_TRUE(set.Contains(word)) << word.toStdString();
    for (const QByteArray& word : GetParam().absent)
        EXPECT_FALSE(set.Contains(word)) << word.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Words, PlainWordSetLookup,
    ::testing::Values(
        SetCase{"empty_set", {}, {}, {"CASA", "A"}},
        SetCase{"one_word", {"CASA"}, {"CASA"}, {"CAS", "CASAA", "MARE", "casa"}},
        SetCase{"prefixes_apart", {"A", "AA", "AAA"}, {"A", "AA", "AAA"}, {"AAAA", "B"}},
        SetCase{"letters_past_twelve", {"ABCDEFGHILMNO"}, {"ABCDEFGHILMNO"}, {"ABCDEFGHILMNP", "ABCDEFGHILMN"}},
        SetCase{"fifteen_and_twenty_four", {"ABCDEFGHILMNOPQ", "ZZZZZZZZZZZZZZZZZZZZZZZZ"},
                {"ABCDEFGHILMNOPQ", "ZZZZZZZZZZZZZZZZZZZZZZZZ"}, {"ZZZZZZZZZZZZZZZZZZZZZZZ", "ABCDEFGHILMNOPZ"}},
        SetCase{"not_plain_capitals_never_held", {"casa", "CAS A", "PERCH\xC9", "", "ZZZZZZZZZZZZZZZZZZZZZZZZZ"},
                {}, {"casa", "CAS A", "PERCH\xC9", "", "ZZZZZZZZZZZZZZZZZZZZZZZZZ"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlainWordSet, InsertTellsNewWordsFromKnownOnesThroughGrowth)
{
    PlainWordSet set;
    QByteArrayList words;
    for (int i = 0; i < 20000; ++i) {
        QByteArray word;
        for (int n = i; n > 0 || word.isEmpty(); n /= 26)
            word.append(static_cast<char>('A' + n % 26));
        words.append(word);
    }
    for (const QByteArray& word : words)
        ASSERT_TRUE(set.Insert(word)) << word.toStdString();
    set.Reserve(100000);
    for (const QByteArray& word : words) {
        EXPECT_FALSE(set.Insert(word)) << word.toStdString();
        ASSERT_TRUE(set.Contains(word)) << word.toStdString();
    }
    EXPECT_EQ(set.Size(), words.size());
    EXPECT_FALSE(set.Contains("ZZZZZ"));
}

}  // namespace
