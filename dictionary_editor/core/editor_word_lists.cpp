// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/editor_word_lists.h"

#include <algorithm>

EditorWordLists::EditorWordLists(QString alphabet) : alphabet_(std::move(alphabet))
{
    for (const QChar c : alphabet_) {
        if (c.unicode() < letter_.size() && c.isUpper())
            letter_[c.unicode()] = true;
    }
    for (int k = 0; k < kListCount; ++k)
        lists_[k] = std::make_unique<SortedWordList>(k + kShortest);
}

std::int64_t EditorWordLists::TotalWords() const
{
    std::int64_t total = 0;
    for (const auto& list : lists_)
        total += list->Count();
    return total;
}

bool EditorWordLists::AnyChanged() const
{
    for (const auto& list : lists_) {
        if (list->Changed())
            return true;
    }
    return false;
}

void EditorWordLists::Clear()
{
    for (auto& list : lists_)
        list->SetWords({}, false);
}

void EditorWordLists::SetCurrentList(int k)
{
    if (k >= 0 && k < kListCount)
        currentList_ = k;
}

void EditorWordLists::BeginBatch()
{
    counters_ = {};
    interactive_ = false;
}

bool EditorWordLists::InAlphabet(const QString& word) const
{
    for (const QChar c : word) {
        if (c.unicode() >= letter_.size() || !letter_[c.unicode()])
            return false;
    }
    return true;
}

InsertResult EditorWordLists::Classify(const QString& text) const
{
    InsertResult result;
    result.word = text.trimmed().toUpper();
    const qsizetype length = result.word.size();
    if (length == 0)
        return result;
    if (length < kShortest || length > kLongest) {
        result.outcome = InsertResult::Outcome::WrongLength;
        return result;
    }
    if (!InAlphabet(result.word)) {
        result.outcome = InsertResult::Outcome::InvalidLetters;
        return result;
    }
    result.list = ListFor(length);
    if (const std::optional<qsizetype> row = lists_[result.list]->IndexOf(result.word)) {
        result.outcome = InsertResult::Outcome::AlreadyPresent;
        result.row = *row;
        return result;
    }
    result.outcome = InsertResult::Outcome::Inserted;
    return result;
}

InsertResult EditorWordLists::InsertWord(const QString& text)
{
    InsertResult result = Classify(text);
    switch (result.outcome) {
    case InsertResult::Outcome::Empty:
        break;
    case InsertResult::Outcome::WrongLength:
        ++counters_.tooShortLong;
        break;
    case InsertResult::Outcome::InvalidLetters:
        ++counters_.invalid;
        break;
    case InsertResult::Outcome::AlreadyPresent:
        ++counters_.present;
        break;
    case InsertResult::Outcome::Inserted:
        result.row = lists_[result.list]->Insert(result.word);
        ++counters_.inserted;
        currentList_ = result.list;
        break;
    }
    return result;
}

void EditorWordLists::RemoveWord(int k, qsizetype row)
{
    if (k < 0 || k >= kListCount)
        return;
    lists_[k]->RemoveAt(row);
    currentList_ = k;
}

void EditorWordLists::RemoveWords(int k, std::vector<qsizetype> rows)
{
    if (k < 0 || k >= kListCount)
        return;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last row back, so the rows still to go keep their places.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row >= 0 && *row < lists_[k]->Count())
            lists_[k]->RemoveAt(*row);
    }
    currentList_ = k;
}

InsertResult EditorWordLists::EditEntry(int k, qsizetype row, const std::optional<QString>& answer)
{
    if (k < 0 || k >= kListCount || row < 0 || row >= lists_[k]->Count())
        return {};
    currentList_ = k;
    const QString old = lists_[k]->At(row);
    if (!answer) {
        // Cancel keeps the entry as it stands (the outcome of a word confirmed
        // unchanged): only an answer of blanks asks for its removal.
        InsertResult kept;
        kept.outcome = InsertResult::Outcome::Inserted;
        kept.word = old;
        kept.list = k;
        kept.row = row;
        return kept;
    }
    if (answer->trimmed().isEmpty()) {
        lists_[k]->RemoveAt(row);
        return {};
    }
    InsertResult result = Classify(*answer);
    if (result.word == old) {
        // Confirmed as it stands: nothing changes.
        result.outcome = InsertResult::Outcome::Inserted;
        result.list = k;
        result.row = row;
        return result;
    }
    if (result.outcome != InsertResult::Outcome::Inserted)
        return result;  // refused: the old entry stays
    lists_[k]->RemoveAt(row);
    result.row = lists_[result.list]->Insert(result.word);
    currentList_ = result.list;
    return result;
}
