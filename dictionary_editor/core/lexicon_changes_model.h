// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/lexicon_changes.h"

#include <QAbstractListModel>

#include <optional>

// The review of one length: what the next rebuild adds ("+ PAROLA") and removes
// ("- PAROLA"), added words first, for the editor's "what is new" view.
class LexiconChangesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void SetChanges(LexiconChanges changes);
    const LexiconChanges& Changes() const { return changes_; }

    // The word of a row, and whether the rebuild adds it (else it removes it).
    QString WordAt(int row) const;
    bool AddedAt(int row) const { return row < changes_.added.size(); }
    // The row in `list` of review row `row`: a word the rebuild adds is an entry of the
    // list; a word it removes is in the list no more, and has none.
    std::optional<qsizetype> ListRowOf(int row, const SortedWordList& list) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    LexiconChanges changes_;
};
