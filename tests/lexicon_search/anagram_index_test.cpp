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

TEST(AnagramIndex, AnagramsShareAKeyAndOtherLetterSetsDoNot)
{
    struct Row {
        const char* first;
        const char* second;
        bool sameKey;
    };
    const Row rows[] = {
        {"CASTA", "TACSA", true},  // anagrams
        {"CASTA", "CASTE", false},  // one letter differs
        {"AAB", "ABB", false},      // same letters, other counts
        {"ABCDEFGHILMNOPQ", "QPONMLIHGFEDCBA", true},
        {"ZZZZZZZZZZZZZZZ", "ZZZZZZZZZZZZZZY", false},
        {"AAAAAAAAAAAAAAA", "BBBBBBBBBBBBBBB", false},
    };
    for (const Row& row : rows) {
        const auto first = AnagramIndex::KeyOf(row.first);
        const auto second = AnagramIndex::KeyOf(row.second);
        ASSERT_TRUE(first && second) << row.first << " " << row.second;
        EXPECT_EQ(*first == *second, row.sameKey) << row.first << " " << row.second;
    }
    // A search adds the keys of the letters it takes.
    EXPECT_EQ(*AnagramIndex::KeyOf("CASA"), *AnagramIndex::KeyOf("CA") + *AnagramIndex::KeyOf("SA"));
    EXPECT_EQ(*AnagramIndex::KeyOf("Z"), *AnagramIndex::LetterKey('Z'));
    // Only words of letters A-Z have a key.
    for (const char* word : {"", "casta", "CAS A", "CAS1", "CAS\xC0", "@AS", "[AS"})
        EXPECT_FALSE(AnagramIndex::KeyOf(word).has_value()) << word;
    EXPECT_FALSE(AnagramIndex::KeyOf(std::string_view("CA\0A", 4)).has_value());
}

TEST(AnagramIndex, EachKeyLeadsToItsAnagramsInFileOrder)
{
    std::mt19937 random(7);
    QByteArrayList words = RandomWords(random, 4000, 3, 15);
    words += RandomWords(random, 3000, 3, 4);  // short words: many anagrams
    // Odd bytes that only a corrupt file holds, and repeated words.
    words << "cas" << "CA1" << "C A" << QByteArray("CA\0", 3) << "\xC8RA" << "ASTA" << "ASTA" << "TASA";
    const auto lexicon = LoadedWords(words);

    for (int n = 3; n <= 15; ++n) {
        // By hand: the word numbers of each letter multiset, and of the odd words.
        std::map<std::string, std::vector<std::uint32_t>> groups;
        std::vector<std::uint32_t> odd;
        for (std::int32_t k = 0; k < lexicon->Count(n); ++k) {
            const std::string word(lexicon->Word(n, k));
            const bool plain = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
            (plain ? groups[Sorted(word)] : odd).push_back(static_cast<std::uint32_t>(k));
        }
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
}

TEST(AnagramIndex, EmptyLengthsAndLengthsOutsideTheFileHoldNothing)
{
    const auto lexicon = LoadedWords({"CASA", "ABCDEFGHILMNOPQ"});
    const auto key = *AnagramIndex::KeyOf("ACSSTTA");
    EXPECT_TRUE(lexicon->Anagrams().Candidates(7, key).empty());
    EXPECT_EQ(lexicon->Anagrams().Candidates(15, *AnagramIndex::KeyOf("QPONMLIHGFEDCBA")).size(), 1u);
    for (const int length : {-1, 0, 16, 1000}) {
        EXPECT_TRUE(lexicon->Anagrams().Candidates(length, key).empty()) << length;
        EXPECT_TRUE(lexicon->Anagrams().OddWords(length).empty()) << length;
    }
}
