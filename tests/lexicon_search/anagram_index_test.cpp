#include "anagram_index.h"
#include "search_fixture.h"

#include <QByteArrayList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace {

std::string Sorted(std::string word)
{
    std::sort(word.begin(), word.end());
    return word;
}

}  // namespace

TEST(AnagramIndex, KeysAreTheSortedLettersOfAWord)
{
    struct Row {
        const char* first;
        const char* second;
        bool sameKey;
    };
    const Row rows[] = {
        {"CASTA", "TACSA", true},           // anagrams
        {"CASTA", "CASTE", false},          // one letter differs
        {"AAB", "ABB", false},              // same letters, other counts
        {"ZZZ", "AAZZZ", false},            // no leading zero letters: length is part of the key
        {"ABCDEFGHILMN", "NMLIHGFEDCBA", true},  // 12 letters fill 60 bits
        {"ZZZZZZZZZZZZ", "ZZZZZZZZZZZY", false},
    };
    for (const Row& row : rows) {
        const auto first = AnagramIndex::KeyOf(row.first);
        const auto second = AnagramIndex::KeyOf(row.second);
        ASSERT_TRUE(first && second) << row.first << " " << row.second;
        EXPECT_EQ(*first == *second, row.sameKey) << row.first << " " << row.second;
    }
    // Only words of 1 to 12 letters A-Z have a key.
    for (const char* word : {"", "casta", "CAS A", "CAS1", "CAS\xC0", "ABCDEFGHILMNO"})
        EXPECT_FALSE(AnagramIndex::KeyOf(word).has_value()) << word;
    EXPECT_FALSE(AnagramIndex::KeyOf(std::string_view("CA\0A", 4)).has_value());
}

TEST(AnagramIndex, EachKeyLeadsToItsAnagramsInFileOrder)
{
    std::mt19937 random(7);
    QByteArrayList words = RandomWords(random, 3000, 3, 6);
    // Odd bytes that only a corrupt file holds, and repeated words.
    words << "cas" << "CA1" << "C A" << QByteArray("CA\0", 3) << "\xC8RA" << "ASTA" << "ASTA" << "TASA";
    const auto lexicon = LoadedWords(words);

    for (int n = 3; n <= 6; ++n) {
        // By hand: the word numbers of each letter multiset, and of the odd words.
        std::map<std::string, std::vector<std::uint32_t>> groups;
        std::vector<std::uint32_t> odd;
        for (std::int32_t k = 0; k < lexicon->Count(n); ++k) {
            const std::string word(lexicon->Word(n, k));
            const bool plain = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
            (plain ? groups[Sorted(word)] : odd).push_back(static_cast<std::uint32_t>(k));
        }
        ASSERT_TRUE(lexicon->Anagrams().Indexed(n));
        std::size_t listed = odd.size();
        for (const auto& [letters, numbers] : groups) {
            const auto candidates = lexicon->Anagrams().Candidates(n, *AnagramIndex::KeyOf(letters));
            EXPECT_EQ(std::vector<std::uint32_t>(candidates.begin(), candidates.end()), numbers) << letters;
            listed += candidates.size();
        }
        EXPECT_EQ(listed, static_cast<std::size_t>(lexicon->Count(n))) << "every word is reached once";
        const auto oddWords = lexicon->Anagrams().OddWords(n);
        EXPECT_EQ(std::vector<std::uint32_t>(oddWords.begin(), oddWords.end()), odd);
    }
    EXPECT_EQ(lexicon->Anagrams().OddWords(3).size(), 5u);
    EXPECT_TRUE(lexicon->Anagrams().Candidates(4, *AnagramIndex::KeyOf("QQQQ")).empty());
    EXPECT_TRUE(lexicon->Anagrams().Candidates(7, *AnagramIndex::KeyOf("ACSSTTA")).empty()) << "an empty length";
}

TEST(AnagramIndex, LengthsBeyondTwelveLettersAreLeftToTheScan)
{
    const auto lexicon = LoadedWords({"ABCDEFGHILMN", "ABCDEFGHILMNO"});
    EXPECT_TRUE(lexicon->Anagrams().Indexed(12));
    EXPECT_FALSE(lexicon->Anagrams().Indexed(13));
    EXPECT_EQ(lexicon->Count(13), 1);
    EXPECT_TRUE(lexicon->Anagrams().OddWords(13).empty());
}
