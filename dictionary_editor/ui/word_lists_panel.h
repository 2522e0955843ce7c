// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class LexiconChangesModel;
class QLabel;
class QListView;

// The eight lists side by side, 3 to 10 letters, each with its caption and its count:
// all the words of a length, or (in review) only what the next rebuild adds and
// removes. The list the keeper clicks or tabs into becomes the lists' current one.
class WordListsPanel : public QWidget {
    Q_OBJECT
public:
    WordListsPanel(EditorWordLists& lists, QWidget* parent = nullptr);

    // The entries selected in list k that the lists hold, sorted, with their words;
    // in review a word the rebuild removes is no entry, and is named in `removedWord`
    // when nothing else was selected.
    struct Selection {
        bool any = false;
        std::vector<qsizetype> rows;
        QStringList words;
        QString removedWord;
    };
    Selection SelectedIn(int k) const;

    bool Reviewing() const { return reviewing_; }

public slots:
    // Shows the changes instead of the words, or the words again.
    void SetReviewing(bool on);
    // The counts after a change (red where a list differs from the file), and the review.
    void ShowCounts();
    // The counts of a rebuild just written, before the lists are read back.
    void ShowWrittenCounts();
    void ClearCounts();
    // Selects entry `row` of list k in the middle of its view (not in review).
    void ShowRow(int k, qsizetype row);
    void ScrollToTops();

signals:
    // Double-click or Enter on entry `row` of list k.
    void entryChosen(int k, qsizetype row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row in list k of row `viewRow` of its view, as shown now.
    std::optional<qsizetype> ListRow(int k, int viewRow) const;
    void RefreshReview();

    EditorWordLists& lists_;
    bool reviewing_ = false;
    std::array<QListView*, EditorWordLists::kListCount> views_{};
    std::array<QLabel*, EditorWordLists::kListCount> countLabels_{};
    std::array<LexiconChangesModel*, EditorWordLists::kListCount> changeModels_{};
};
