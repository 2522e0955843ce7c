// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/editor_word_lists.h"
#include "dictionary_editor/core/lexicon_changes.h"
#include "dictionary_editor/core/lexicon_changes_model.h"
#include "dictionary_editor/core/editor_word_search.h"

#include "model/language.h"

#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Outcome = InsertResult::Outcome;

EditorWordLists ListsOf(int language, const QStringList& words)
{
    EditorWordLists lists(TableOf(static_cast<Language>(language)).Alphabet);
    std::array<QStringList, EditorWordLists::kListCount> byLength;
    for (const QString& word : words)
        byLength[EditorWordLists::ListFor(word.size())].append(word);
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        lists.List(k).SetWords(byLength[k], false);
    return lists;
}

TEST(SortedWordList, KeepsAlphabeticalOrderIgnoringCaseWithInsertsInTheirPlace)
{
    struct Row {
        QStringList loaded;
        QString inserted;
        QStringList expected;
    };
    const Row rows[] = {
        {{"BACO", "ZUPPA"}, "ALA", {"ALA", "BACO", "ZUPPA"}},
        {{"ALA", "BACO"}, "ZERO", {"ALA", "BACO", "ZERO"}},
        {{"alba", "CASA"}, "BACO", {"alba", "BACO", "CASA"}},
        {{"zeta", "Acqua", "baco"}, "Bacio", {"Acqua", "Bacio", "baco", "zeta"}},  // sorted on loading
        {{"CASA", "casa"}, "Casa", {"CASA", "Casa", "casa"}},  // same letters: exact order decides
        {{}, "UNO", {"UNO"}},
    };
    for (const Row& row : rows) {
        SortedWordList list(4);
        list.SetWords(row.loaded, false);
        EXPECT_FALSE(list.Changed());
        const qsizetype at = list.Insert(row.inserted);
        EXPECT_EQ(list.Words(), row.expected) << row.inserted.toStdString();
        EXPECT_EQ(list.At(at), row.inserted);
        EXPECT_EQ(list.rowCount(), row.expected.size());
        EXPECT_TRUE(list.Changed());
        for (qsizetype i = 0; i < row.expected.size(); ++i)
            EXPECT_EQ(list.IndexOf(row.expected[i]), i) << row.expected[i].toStdString();
    }
}

TEST(EditorWordLists, InsertWordTakesOnlyWordsOfThreeToTenLettersOfTheLanguage)
{
    struct Row {
        int language;
        QString typed;
        Outcome outcome;
        QString word;  // as stored or refused
        int list;
    };
    const Row rows[] = {
        {1, "lupo", Outcome::Inserted, "LUPO", 1},  // lower case stored upper case
        {1, "  remo  ", Outcome::Inserted, "REMO", 1},
        {1, "CASA", Outcome::AlreadyPresent, "CASA", 1},
        {1, "casa", Outcome::AlreadyPresent, "CASA", 1},
        {1, "", Outcome::Empty, "", -1},
        {1, "   ", Outcome::Empty, "", -1},
        {1, "RE", Outcome::WrongLength, "RE", -1},
        {1, "PRECIPITOSO", Outcome::WrongLength, "PRECIPITOSO", -1},
        {1, "ABCDEFGHIL", Outcome::Inserted, "ABCDEFGHIL", 7},
        {1, "CA1A", Outcome::InvalidLetters, "CA1A", -1},
        {1, "CA SA", Outcome::InvalidLetters, "CA SA", -1},
        {1, "PERCHè", Outcome::InvalidLetters, "PERCHÈ", -1},
        {1, "JAZZ", Outcome::InvalidLetters, "JAZZ", -1},  // J, K, W, X, Y are not Italian letters
        {2, "JAZZ", Outcome::Inserted, "JAZZ", 1},
        {3, "lex", Outcome::Inserted, "LEX", 0},
        {2, "QUIZ!", Outcome::InvalidLetters, "QUIZ!", -1},
    };
    for (const Row& row : rows) {
        EditorWordLists lists = ListsOf(row.language, {"CASA", "ZERO", "ALBERO"});
        const InsertResult result = lists.InsertWord(row.typed);
        SCOPED_TRACE(row.typed.toStdString());
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.word, row.word);
        EXPECT_EQ(result.list, row.list);
        const bool inserted = row.outcome == Outcome::Inserted;
        EXPECT_EQ(lists.TotalWords(), inserted ? 4 : 3);
        EXPECT_EQ(lists.AnyChanged(), inserted);
        if (inserted) {
            EXPECT_EQ(lists.List(row.list).At(result.row), row.word);
            EXPECT_EQ(lists.CurrentList(), row.list);
        }
        const BatchCounters& counters = lists.Counters();
        EXPECT_EQ(counters.inserted, inserted ? 1 : 0);
        EXPECT_EQ(counters.present, row.outcome == Outcome::AlreadyPresent ? 1 : 0);
        EXPECT_EQ(counters.tooShortLong, row.outcome == Outcome::WrongLength ? 1 : 0);
        EXPECT_EQ(counters.invalid, row.outcome == Outcome::InvalidLetters ? 1 : 0);
    }
}

TEST(EditorWordLists, AFourLetterWordLandsInItsSortedPlace)
{
    EditorWordLists lists = ListsOf(1, {"ALBA", "CASA", "ZERO"});
    const InsertResult result = lists.InsertWord("bosco");
    EXPECT_EQ(result.list, 2);
    const InsertResult four = lists.InsertWord("boa");
    EXPECT_EQ(four.list, 0);
    const InsertResult lupo = lists.InsertWord("lupo");
    EXPECT_EQ(lupo.row, 2);
    EXPECT_EQ(lists.List(1).Words(), QStringList({"ALBA", "CASA", "LUPO", "ZERO"}));
    EXPECT_TRUE(lists.List(1).Changed());
    EXPECT_FALSE(lists.List(3).Changed());
}

TEST(EditorWordLists, ABatchCountsQuietlyAndEndsInteractive)
{
    EditorWordLists lists = ListsOf(1, {"CASA"});
    lists.InsertWord("RE");
    lists.BeginBatch();
    EXPECT_FALSE(lists.Interactive());
    EXPECT_EQ(lists.Counters().Examined(), 0) << "a batch starts from zero";
    for (const QString word : {"lupo", "LUPO", "re", "R2D2", ""})
        lists.InsertWord(word);
    lists.EndBatch();
    EXPECT_TRUE(lists.Interactive());
    EXPECT_EQ(lists.Counters().inserted, 1);
    EXPECT_EQ(lists.Counters().present, 1);
    EXPECT_EQ(lists.Counters().tooShortLong, 1);
    EXPECT_EQ(lists.Counters().invalid, 1);
    EXPECT_EQ(lists.Counters().Examined(), 4) << "an empty line is not examined";
}

TEST(EditorWordLists, EditEntryReplacesDeletesOrKeepsTheEntry)
{
    struct Row {
        std::optional<QString> answer;
        Outcome outcome;
        QStringList fourLetters;
        QStringList fiveLetters;
        bool changed;
    };
    const Row rows[] = {
        {QString("lupa"), Outcome::Inserted, {"ALBA", "LUPA", "ZERO"}, {}, true},
        {QString("ALBERI"), Outcome::Inserted, {"ALBA", "ZERO"}, {}, true},  // goes to the 6-letter list
        {QString("barca"), Outcome::Inserted, {"ALBA", "ZERO"}, {"BARCA"}, true},
        {QString(""), Outcome::Empty, {"ALBA", "ZERO"}, {}, true},
        {QString("   "), Outcome::Empty, {"ALBA", "ZERO"}, {}, true},
        {std::nullopt, Outcome::Inserted, {"ALBA", "CASA", "ZERO"}, {}, false},  // Annulla keeps the word
        {QString("ZERO"), Outcome::AlreadyPresent, {"ALBA", "CASA", "ZERO"}, {}, false},
        {QString("CA5A"), Outcome::InvalidLetters, {"ALBA", "CASA", "ZERO"}, {}, false},
        {QString("CA"), Outcome::WrongLength, {"ALBA", "CASA", "ZERO"}, {}, false},
        {QString("casa"), Outcome::Inserted, {"ALBA", "CASA", "ZERO"}, {}, false},  // confirmed as it was
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer.value_or("<cancel>").toStdString());
        EditorWordLists lists = ListsOf(1, {"ALBA", "CASA", "ZERO"});
        lists.BeginBatch();
        const InsertResult result = lists.EditEntry(1, 1, row.answer);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(lists.List(1).Words(), row.fourLetters);
        EXPECT_EQ(lists.List(2).Words(), row.fiveLetters);
        EXPECT_EQ(lists.Counters().Examined(), 0) << "an edit is no batch";
        EXPECT_EQ(lists.AnyChanged(), row.changed);
    }
}

TEST(SortedWordList, IsChangedExactlyWhileItDiffersFromTheLexiconFile)
{
    struct Row {
        const char* what;
        QStringList replacement;  // what an import puts in the list
        bool changed;
        QStringList added;
        QStringList removed;
    };
    const Row rows[] = {
        {"the file's own words", {"CASA", "ALBA", "ZERO"}, false, {}, {}},
        {"a harvested word", {"ALBA", "CASA", "RAMA", "ZERO"}, true, {"RAMA"}, {}},
        {"a word gone", {"ALBA", "ZERO"}, true, {}, {"CASA"}},
        {"one in, one out", {"ALBA", "BACO", "CASA"}, true, {"BACO"}, {"ZERO"}},
        {"a word twice", {"ALBA", "CASA", "CASA", "ZERO"}, true, {"CASA"}, {}},
        {"nothing at all", {}, true, {}, {"ALBA", "CASA", "ZERO"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SortedWordList list(4);
        list.SetWords({"ALBA", "CASA", "ZERO"}, false);
        list.SetWords(row.replacement, true);
        EXPECT_EQ(list.Changed(), row.changed);
        const LexiconChanges changes = ChangesOf(list);
        EXPECT_EQ(changes.added, row.added);
        EXPECT_EQ(changes.removed, row.removed);
    }
    SortedWordList list(4);
    list.SetWords({"ALBA", "CASA"}, false);
    list.Insert("LUPO");
    EXPECT_TRUE(list.Changed());
    list.RemoveAt(*list.IndexOf("LUPO"));
    EXPECT_FALSE(list.Changed()) << "back to the file's words";
}

TEST(EditorWordLists, RemoveWordsDeletesEachRowGivenOnceInAnyOrder)
{
    struct Row {
        const char* what;
        std::vector<qsizetype> rows;
        QStringList left;
    };
    const Row rows[] = {
        {"as selected, out of order", {3, 0, 1}, {"CASA", "ZERO"}},
        {"in order", {0, 1}, {"CASA", "DADO", "ZERO"}},
        {"a row named twice", {2, 2}, {"ALBA", "BACO", "DADO", "ZERO"}},
        {"rows past the end", {4, 5, -1}, {"ALBA", "BACO", "CASA", "DADO"}},
        {"none", {}, {"ALBA", "BACO", "CASA", "DADO", "ZERO"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EditorWordLists lists = ListsOf(1, {"ALBA", "BACO", "CASA", "DADO", "ZERO", "ASI"});
        lists.RemoveWords(1, row.rows);
        EXPECT_EQ(lists.List(1).Words(), row.left);
        EXPECT_EQ(lists.List(0).Words(), QStringList{"ASI"});
        EXPECT_EQ(lists.CurrentList(), 1);
    }
}

TEST(LexiconChangesModel, AReviewRowIsAListRowOnlyForAWordTheRebuildAdds)
{
    SortedWordList list(4);
    list.SetWords({"ALBA", "CASA", "ZERO"}, false);
    list.SetWords({"ALBA", "BACO", "RAMA", "ZERO"}, true);  // BACO, RAMA in; CASA out
    LexiconChangesModel review;
    review.SetChanges(ChangesOf(list));
    ASSERT_EQ(review.rowCount(), 3);
    const std::pair<int, std::optional<qsizetype>> rows[] = {
        {0, 1}, {1, 2}, {2, std::nullopt}, {3, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& [reviewRow, listRow] : rows)
        EXPECT_EQ(review.ListRowOf(reviewRow, list), listRow) << reviewRow;
}

TEST(WordSearch, FindsTheWordThenTheLongerWordsThatBeginWithIt)
{
    const EditorWordLists lists = ListsOf(1, {"CASA", "CASO", "ZERO", "CASTA", "CASATA", "ACASA", "ASI"});
    struct Row {
        QString typed;
        qsizetype ordinal;
        int list;      // -1: no match
        QString word;
    };
    const Row rows[] = {
        {"casa", 0, 1, "CASA"},          // the word itself first
        {"CASA", 1, 3, "CASATA"},        // then a longer one
        {"CASA", 2, 1, "CASA"},          // and round again
        {" cas ", 0, 1, "CASA"},
        {"CAS", 2, 2, "CASTA"},
        {"CAS", 3, 3, "CASATA"},
        {"zer", 0, 1, "ZERO"},
        {"as", 0, 0, "ASI"},
        {"LUPO", 0, -1, ""},
        {"CASATE", 0, -1, ""},
        {"ABCDEFGHILMN", 0, -1, ""},     // longer than any list
        {"", 0, -1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString() + " #" + std::to_string(row.ordinal));
        const std::optional<EditorWordSearch::Match> match = EditorWordSearch::FindMatch(lists, row.typed, row.ordinal);
        ASSERT_EQ(match.has_value(), row.list >= 0);
        if (!match)
            continue;
        EXPECT_EQ(match->list, row.list);
        EXPECT_EQ(lists.List(match->list).At(match->row), row.word);
    }
    EXPECT_EQ(EditorWordSearch::CountMatches(lists, "CAS"), 4);
}

}  // namespace
