// SPDX-License-Identifier: GPL-3.0-or-later
// The keeper's review: the search over the lists, the view of what the next rebuild
// changes, the question on leaving with changes not rebuilt, and the window's fit to
// the screen.

#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/ui/editor_status_row.h"
#include "dictionary_editor/ui/file_actions_panel.h"
#include "dictionary_editor/ui/search_review_bar.h"
#include "dictionary_editor/ui/word_lists_panel.h"

#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/editor_word_search.h"

#include "platform/core/dialogs.h"

#include <QGuiApplication>
#include <QScreen>

bool DictionaryEditorWindow::Reviewing() const
{
    return searchBar_->Reviewing();
}

void DictionaryEditorWindow::SetReviewing(bool on)
{
    if (searchBar_->Reviewing() != on) {
        searchBar_->SetReviewing(on);  // comes back here through reviewToggled
        return;
    }
    listsPanel_->SetReviewing(on);
}

void DictionaryEditorWindow::Search(const QString& typed, qsizetype ordinal)
{
    if (typed.trimmed().isEmpty()) {
        statusRow_->ShowStatus({});
        return;
    }
    // A match is a row of the whole list.
    SetReviewing(false);
    const qsizetype count = EditorWordSearch::CountMatches(lists_, typed);
    const std::optional<EditorWordSearch::Match> match = EditorWordSearch::FindMatch(lists_, typed, ordinal);
    if (!match) {
        statusRow_->ShowStatus(EditorMessages::NotFound(typed));
        return;
    }
    lists_.SetCurrentList(match->list);
    listsPanel_->ShowRow(match->list, match->row);
    statusRow_->ShowStatus(EditorMessages::Found(ordinal % count, count));
}

bool DictionaryEditorWindow::MayLeave()
{
    if (!lists_.AnyChanged())
        return true;
    if (!filesPanel_->RebuildEnabled()) {
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
