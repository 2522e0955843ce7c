// SPDX-License-Identifier: GPL-3.0-or-later
// The keeper's review: the search box, the view of what the next rebuild changes, the
// question on leaving with changes not rebuilt, and the window's fit to the screen.

#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_changes_model.h"
#include "dictionary_editor/core/editor_word_search.h"

#include "platform/core/dialogs.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

void DictionaryEditorWindow::BuildReviewRow(QBoxLayout* layout)
{
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("searchBox"));
    searchBox_->setToolTip(QStringLiteral("Scrivere una parola o il suo inizio; Invio passa alla seguente"));
    searchBox_->setClearButtonEnabled(true);
    auto* searchCaption = new QLabel(QStringLiteral("Cer&ca parola:"), this);
    searchCaption->setBuddy(searchBox_);
    reviewBox_ = new QCheckBox(QStringLiteral("Mostra solo le &novità"), this);
    reviewBox_->setObjectName(QStringLiteral("reviewChanges"));
    reviewBox_->setToolTip(QStringLiteral(
        "Mostra solo le parole che la prossima ricostruzione aggiunge (+) o toglie (-) dal dizionario"));
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        changeModels_[k] = new LexiconChangesModel(this);

    auto* row = new QHBoxLayout;
    row->addWidget(searchCaption);
    row->addWidget(searchBox_, 1);
    row->addSpacing(20);
    row->addWidget(reviewBox_);
    row->addStretch(1);
    layout->addLayout(row);

    connect(searchBox_, &QLineEdit::textEdited, this, [this] { Search(false); });
    connect(searchBox_, &QLineEdit::returnPressed, this, [this] { Search(true); });
    connect(reviewBox_, &QCheckBox::toggled, this, &DictionaryEditorWindow::SetReviewing);
}

bool DictionaryEditorWindow::Reviewing() const
{
    return reviewBox_->isChecked();
}

void DictionaryEditorWindow::SetReviewing(bool on)
{
    if (reviewBox_->isChecked() != on) {
        reviewBox_->setChecked(on);  // comes back here through toggled
        return;
    }
    RefreshReview();
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        QAbstractItemModel* model = on ? static_cast<QAbstractItemModel*>(changeModels_[k]) : &lists_.List(k);
        if (views_[k]->model() != model)
            views_[k]->setModel(model);
    }
}

void DictionaryEditorWindow::RefreshReview()
{
    // Worked out only while shown: one merge pass per list.
    if (!reviewBox_ || !reviewBox_->isChecked())
        return;
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        changeModels_[k]->SetChanges(ChangesOf(lists_.List(k)));
}

std::optional<qsizetype> DictionaryEditorWindow::ListRow(int k, int viewRow) const
{
    if (viewRow < 0)
        return std::nullopt;
    if (!reviewBox_->isChecked()) {
        if (viewRow >= lists_.List(k).Count())
            return std::nullopt;
        return viewRow;
    }
    if (viewRow >= changeModels_[k]->rowCount() || !changeModels_[k]->AddedAt(viewRow))
        return std::nullopt;
    return lists_.List(k).IndexOf(changeModels_[k]->WordAt(viewRow));
}

void DictionaryEditorWindow::Search(bool next)
{
    const QString typed = searchBox_->text();
    searchOrdinal_ = next ? searchOrdinal_ + 1 : 0;
    if (typed.trimmed().isEmpty()) {
        statusLabel_->clear();
        return;
    }
    // A match is a row of the whole list.
    SetReviewing(false);
    const qsizetype count = EditorWordSearch::CountMatches(lists_, typed);
    const std::optional<EditorWordSearch::Match> match = EditorWordSearch::FindMatch(lists_, typed, searchOrdinal_);
    if (!match) {
        statusLabel_->setText(EditorMessages::NotFound(typed));
        return;
    }
    lists_.SetCurrentList(match->list);
    ShowRow(match->list, match->row);
    statusLabel_->setText(EditorMessages::Found(searchOrdinal_ % count, count));
}

bool DictionaryEditorWindow::MayLeave()
{
    if (!lists_.AnyChanged())
        return true;
    if (!rebuildButton_->isEnabled()) {
        // No lexicon to write them to (none could be read, nothing was imported).
        return setup_.dialogs.AskYesNoDefaultNo(EditorMessages::kUnsavedNoLexicon) == Dialogs::Answer::Yes;
    }
    switch (setup_.dialogs.AskYesNoCancel(EditorMessages::kUnsavedQuestion)) {
    case Dialogs::Answer::Yes:
        closeAfterRebuild_ = true;
        BeginRebuild();
        return false;  // the window closes when the rebuilt file is read back
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void DictionaryEditorWindow::FitToScreen()
{
    // The whole page when the screen has room for it, else as much as it has: the
    // scroll area shows the rest.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QSize wanted = page_->sizeHint() + QSize(2, 2);
    if (screen) {
        const QSize frame = frameGeometry().size() - geometry().size();
        wanted = wanted.boundedTo(screen->availableGeometry().size() - frame);
    }
    resize(wanted);
}
