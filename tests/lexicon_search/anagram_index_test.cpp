// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/anagram_index.h"
#include "tests/lexicon_search/search_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

TEST(AnagramIndex, AnagramsShareAKeyAndOnlyLettersAToZHaveOne)
{
    const auto key = [](std::string_view word) { return AnagramIndex::KeyOf(word); };
    EXPECT_EQ(key("CASTA"), key("TACSA"));
    EXPECT_EQ(key("ABCDEFGHILMNOPQ"), key("QPONMLIHGFEDCBA"));
    EXPECT_NE(key("AAB"), key("ABB"));
    EXPECT_NE(key("ZZZZZZZZZZZZZZZ"), key("ZZZZZZZZZZZZZZY"));
    // A search adds the keys of the letters it takes.
    EXPECT_EQ(*key("CASA"), *key("CA") + *key("SA"));
    using namespace std::string_view_literals;
    for (const std::string_view word : {""sv, "casta"sv, "CAS A"sv, "CAS1"sv, "CAS\xC0"sv, "@AS"sv, "[AS"sv, "CA\0A"sv})
        EXPECT_FALSE(key(word).has_value()) << word;
}

TEST(AnagramIndex, EachKeyLeadsToItsAnagramsInFileOrder)
{
    std::mt19937 random(7);
    QByteArrayList words = RandomWords(random, 4000, 3, 15);
    words += RandomWords(random, 3000, 3, 4);  // short words: many anagrams
    words << "cas" << "CA1" << "C A" << QByteArray("CA\0", 3) << "\xC8RA" << "ASTA" << "ASTA";
    const auto lexicon = LoadedWords(words);

    for (int n = 3; n <= 15; ++n) {
        // By hand: the word numbers of each letter set, and of the odd words.
        std::map<std::string, std::vector<std::uint32_t>> groups;
        std::vector<std::uint32_t> odd;
        for (std::int32_t k = 0; k < lexicon->Count(n); ++k) {
            std::string word(lexicon->Word(n, k));
            const bool plain = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
            std::sort(word.begin(), word.end());
            (plain ? groups[word] : odd).push_back(static_cast<std::uint32_t>(k));
        }
        for (const auto& [letters, numbers] : groups) {
            const auto candidates = lexicon->Anagrams().Candidates(n, *AnagramIndex::KeyOf(letters));
            EXPECT_EQ(std::vector<std::uint32_t>(candidates.begin(), candidates.end()), numbers) << letters;
        }
        const auto oddWords = lexicon->Anagrams().OddWords(n);
        EXPECT_EQ(std::vector<std::uint32_t>(oddWords.begin(), oddWords.end()), odd);
    }
    EXPECT_EQ(lexicon->Anagrams().OddWords(3).size(), 5u);
    EXPECT_TRUE(lexicon->Anagrams().Candidates(4, *AnagramIndex::KeyOf("QQQQ")).empty());
    for (const int length : {-1, 0, 16, 1000})
        EXPECT_TRUE(lexicon->Anagrams().Candidates(length, *AnagramIndex::KeyOf("CASA")).empty()) << length;
}
