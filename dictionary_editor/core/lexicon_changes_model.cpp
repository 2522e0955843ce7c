// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/lexicon_changes_model.h"

void LexiconChangesModel::SetChanges(LexiconChanges changes)
{
    beginResetModel();
    changes_ = std::move(changes);
    endResetModel();
}

QString LexiconChangesModel::WordAt(int row) const
{
    if (row < 0)
        return {};
    if (row < changes_.added.size())
        return changes_.added[row];
    row -= int(changes_.added.size());
    return row < changes_.removed.size() ? changes_.removed[row] : QString();
}

std::optional<qsizetype> LexiconChangesModel::ListRowOf(int row, const SortedWordList& list) const
{
    if (row < 0 || !AddedAt(row))
        return std::nullopt;
    return list.IndexOf(changes_.added[row]);
}

int LexiconChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(changes_.added.size() + changes_.removed.size());
}

QVariant LexiconChangesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QString word = WordAt(index.row());
    const bool added = AddedAt(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return (added ? QStringLiteral("+ ") : QStringLiteral("- ")) + word;
    // A screen reader says what the sign means.
    if (role == Qt::AccessibleTextRole)
        return word + (added ? QStringLiteral(", nuova") : QStringLiteral(", da togliere"));
    if (role == Qt::ToolTipRole)
        return added ? QStringLiteral("Sarà aggiunta dalla prossima ricostruzione")
                     : QStringLiteral("Sarà tolta dalla prossima ricostruzione");
    return {};
}
