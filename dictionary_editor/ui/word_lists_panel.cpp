// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/word_lists_panel.h"

#include "dictionary_editor/ui/editor_widgets.h"
#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_changes_model.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QStyle>

#include <algorithm>

namespace {

int WidestWord(const QListView* view, const QString& alphabet, int length)
{
    int widest = 0;
    for (const QChar letter : alphabet)
        widest = std::max(widest, view->fontMetrics().horizontalAdvance(letter));
    const int frame = 2 * view->frameWidth();
    const int bar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    constexpr int kTextMargins = 8;  // the item's own margins on both sides
    return widest * length + frame + bar + kTextMargins;
}

}  // namespace

WordListsPanel::WordListsPanel(EditorWordLists& lists, QWidget* parent) : QWidget(parent), lists_(lists)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const int length = k + EditorWordLists::kShortest;
        const QString caption = QString::number(length) + QStringLiteral(" Caratt.");
        auto* captionLabel = new QLabel(caption, this);
        auto* view = new QListView(this);
        view->setObjectName(QStringLiteral("list%1").arg(length));
        view->setAccessibleName(caption);
        // One row per word over a few hundred thousand words: every row the same height.
        view->setUniformItemSizes(true);
        // Ctrl and Shift add to the selection: several words go in one delete.
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setModel(&lists_.List(k));
        view->installEventFilter(this);
        // Wide enough for a word of the list's length in the widest letter of the
        // alphabet beside the scroll bar: words are never cut and need no sideways
        // scrolling.
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setMinimumWidth(WidestWord(view, lists_.Alphabet(), length));
        captionLabel->setBuddy(view);
        countLabels_[k] = new QLabel(this);
        countLabels_[k]->setObjectName(QStringLiteral("count%1").arg(length));
        views_[k] = view;
        changeModels_[k] = new LexiconChangesModel(this);
        grid->addWidget(captionLabel, 0, k);
        grid->addWidget(view, 1, k);
        grid->addWidget(countLabels_[k], 2, k);
        connect(view, &QAbstractItemView::clicked, this, [this, k] { lists_.SetCurrentList(k); });
        connect(view, &QAbstractItemView::activated, this, [this, k](const QModelIndex& index) {
            if (const std::optional<qsizetype> row = ListRow(k, index.row()))
                emit entryChosen(k, *row);
        });
    }
    grid->setRowStretch(1, 1);
}

WordListsPanel::Selection WordListsPanel::SelectedIn(int k) const
{
    Selection selection;
    const QModelIndexList selected = views_[k]->selectionModel()->selectedIndexes();
    selection.any = !selected.isEmpty();
    for (const QModelIndex& index : selected) {
        if (const std::optional<qsizetype> row = ListRow(k, index.row())) {
            selection.rows.push_back(*row);
            selection.words.append(lists_.List(k).At(*row));
        }
    }
    if (selection.any && selection.rows.empty() && reviewing_)
        selection.removedWord = changeModels_[k]->WordAt(selected.first().row());
    std::sort(selection.rows.begin(), selection.rows.end());
    selection.words.sort();
    return selection;
}

void WordListsPanel::SetReviewing(bool on)
{
    reviewing_ = on;
    RefreshReview();
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        QAbstractItemModel* model = on ? static_cast<QAbstractItemModel*>(changeModels_[k]) : &lists_.List(k);
        if (views_[k]->model() != model)
            views_[k]->setModel(model);
    }
}

void WordListsPanel::ShowCounts()
{
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists_.List(k);
        countLabels_[k]->setText(EditorMessages::CountLabel(list.Count(), list.Changed()));
        EditorWidgets::MarkChanged(countLabels_[k], list.Changed());
    }
    RefreshReview();
}

void WordListsPanel::ShowWrittenCounts()
{
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        countLabels_[k]->setText(EditorMessages::CountLabel(lists_.List(k).Count(), true));
}

void WordListsPanel::ClearCounts()
{
    for (QLabel* label : countLabels_)
        label->clear();
}

void WordListsPanel::ShowRow(int k, qsizetype row)
{
    if (reviewing_)
        return;  // the views show the changes, not the rows of the lists
    const QModelIndex index = lists_.List(k).index(int(row));
    views_[k]->setCurrentIndex(index);
    views_[k]->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void WordListsPanel::ScrollToTops()
{
    for (QListView* view : views_) {
        if (view->model()->rowCount() > 0)
            view->scrollToTop();
    }
}

std::optional<qsizetype> WordListsPanel::ListRow(int k, int viewRow) const
{
    if (reviewing_)
        return changeModels_[k]->ListRowOf(viewRow, lists_.List(k));
    if (viewRow < 0 || viewRow >= lists_.List(k).Count())
        return std::nullopt;
    return viewRow;
}

void WordListsPanel::RefreshReview()
{
    // Worked out only while shown: one merge pass per list.
    if (!reviewing_)
        return;
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        changeModels_[k]->SetChanges(ChangesOf(lists_.List(k)));
}

bool WordListsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int k = 0; k < EditorWordLists::kListCount; ++k) {
            if (watched == views_[k])
                lists_.SetCurrentList(k);
        }
    }
    return QWidget::eventFilter(watched, event);
}
