// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/sorted_word_list.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the batches (bulk import, missing words) counted, reset at each batch's start.
struct BatchCounters {
    std::int32_t tooShortLong = 0;  // fewer than 3 or more than 10 characters
    std::int32_t present = 0;       // already in its list
    std::int32_t inserted = 0;
    std::int32_t invalid = 0;       // a character outside the language's alphabet

    std::int32_t Examined() const { return tooShortLong + present + inserted + invalid; }
};

struct InsertResult {
    enum class Outcome { Empty, WrongLength, InvalidLetters, AlreadyPresent, Inserted };
    Outcome outcome = Outcome::Empty;
    QString word;  // upper-cased and trimmed
    int list = -1;  // for AlreadyPresent and Inserted
    qsizetype row = -1;
};

// The eight word lists of the dictionary editor, lengths 3 to 10, and the operations
// on them. Nothing here touches a file: the lists change in memory only, until the
// rebuild writes them to the lexicon.
class EditorWordLists {
public:
    static constexpr int kListCount = 8;
    static constexpr int kShortest = 3;
    static constexpr int kLongest = 10;

    // `alphabet`: the capitals of the language, the only letters a word may hold.
    explicit EditorWordLists(QString alphabet);

    const QString& Alphabet() const { return alphabet_; }
    SortedWordList& List(int k) { return *lists_[k]; }
    const SortedWordList& List(int k) const { return *lists_[k]; }
    static int ListFor(qsizetype length) { return int(length) - kShortest; }

    // Words in all lists: those loaded, plus inserted, minus deleted.
    std::int64_t TotalWords() const;
    // Whether any list differs from what was loaded.
    bool AnyChanged() const;
    void Clear();

    // The list the user last worked on, 0 to 7.
    int CurrentList() const { return currentList_; }
    void SetCurrentList(int k);

    // True while the user works in the editor (each insert answers with a message);
    // false while a batch drives the inserts, which then only count their outcomes.
    bool Interactive() const { return interactive_; }
    // Resets the counters and makes the inserts quiet; EndBatch makes them talk again.
    void BeginBatch();
    void EndBatch() { interactive_ = true; }
    const BatchCounters& Counters() const { return counters_; }

    // Insert word: `text` upper-cased and trimmed goes into the list of its length in
    // its sorted place, unless it is empty, too short or too long, holds a character
    // outside the alphabet, or is there already. Counts the outcome.
    InsertResult InsertWord(const QString& text);
    // Deletes entry `row` of list k.
    void RemoveWord(int k, qsizetype row);
    // Deletes the entries `rows` of list k, given in any order: several words in one
    // delete. A row outside the list, or named twice, deletes nothing more.
    void RemoveWords(int k, std::vector<qsizetype> rows);
    // Edit entry: an answer of blanks deletes the entry (outcome Empty); no answer (the
    // box was cancelled) keeps it as it was; another answer replaces it, checked like
    // a typed word and put in the list of its length. When the new word is refused the
    // old entry stays. The batch counters are left alone.
    InsertResult EditEntry(int k, qsizetype row, const std::optional<QString>& answer);

    // True when every character of `word` is a capital of the alphabet.
    bool InAlphabet(const QString& word) const;

private:
    // What Insert word would do with `text`, without doing it.
    InsertResult Classify(const QString& text) const;

    QString alphabet_;
    std::array<bool, 128> letter_{};  // by code: a capital of the alphabet
    std::array<std::unique_ptr<SortedWordList>, kListCount> lists_;
    int currentList_ = 0;
    bool interactive_ = true;
    BatchCounters counters_;
};
