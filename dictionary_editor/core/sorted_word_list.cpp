// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/sorted_word_list.h"

#include <algorithm>

bool WordLess(const QString& a, const QString& b)
{
    const int ignoringCase = QString::compare(a, b, Qt::CaseInsensitive);
    if (ignoringCase != 0)
        return ignoringCase < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

SortedWordList::SortedWordList(int length, QObject* parent) : QAbstractListModel(parent), length_(length) {}

void SortedWordList::SetWords(QStringList words, bool changed)
{
    if (!std::is_sorted(words.cbegin(), words.cend(), WordLess))
        std::stable_sort(words.begin(), words.end(), WordLess);
    beginResetModel();
    words_ = std::move(words);
    if (changed) {
        changed_.reset();
    } else {
        lexicon_ = words_;  // shared, not copied
        changed_ = false;
    }
    endResetModel();
}

bool SortedWordList::Changed() const
{
    if (!changed_)
        changed_ = words_ != lexicon_;
    return *changed_;
}

qsizetype SortedWordList::LowerBound(const QString& word) const
{
    return std::lower_bound(words_.cbegin(), words_.cend(), word, WordLess) - words_.cbegin();
}

std::optional<qsizetype> SortedWordList::IndexOf(const QString& word) const
{
    // WordLess is a total order, so an equal entry sits exactly at the lower bound.
    const qsizetype row = LowerBound(word);
    if (row < words_.size() && words_[row] == word)
        return row;
    return std::nullopt;
}

qsizetype SortedWordList::Insert(const QString& word)
{
    const qsizetype row = LowerBound(word);
    beginInsertRows({}, int(row), int(row));
    words_.insert(row, word);
    changed_.reset();
    endInsertRows();
    return row;
}

void SortedWordList::RemoveAt(qsizetype row)
{
    if (row < 0 || row >= words_.size())
        return;
    beginRemoveRows({}, int(row), int(row));
    words_.remove(row);
    changed_.reset();
    endRemoveRows();
}

int SortedWordList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(words_.size());
}

QVariant SortedWordList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= words_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::EditRole)
        return words_[index.row()];
    return {};
}
