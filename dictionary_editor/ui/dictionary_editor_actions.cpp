// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's operations on its lists: insert, delete and edit a word, the rebuild
// of the lexicon file and the per-length word files.

#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/ui/editor_status_row.h"
#include "dictionary_editor/ui/word_entry_panel.h"
#include "dictionary_editor/ui/word_lists_panel.h"

#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "lexicon/core/per_length_files.h"
#include "dictionary_editor/core/word_file_exchange.h"

#include "platform/core/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

void DictionaryEditorWindow::InsertTypedWord(const QString& text)
{
    const InsertResult result = lists_.InsertWord(text);
    if (result.outcome == InsertResult::Outcome::Inserted) {
        UpdateLabels();
        listsPanel_->ShowRow(result.list, result.row);
    }
    if (lists_.Interactive()) {
        const QString message = EditorMessages::ForInsert(result, lists_.Alphabet());
        if (!message.isEmpty())
            setup_.dialogs.Inform(message);
    }
    entryPanel_->ReadyForNextWord(result.outcome == InsertResult::Outcome::AlreadyPresent);
}

void DictionaryEditorWindow::DeleteWord()
{
    const int k = lists_.CurrentList();
    const WordListsPanel::Selection selected = listsPanel_->SelectedIn(k);
    if (!selected.any) {
        setup_.dialogs.Inform(EditorMessages::kSelectFirst);
        return;
    }
    if (selected.rows.empty()) {
        setup_.dialogs.Inform(EditorMessages::AlreadyRemoved(selected.removedWord));
        return;
    }
    // Several words at once (the harvested names of a review): one question for all.
    const bool one = selected.rows.size() == 1;
    const QString question = one ? EditorMessages::kDeleteQuestion + selected.words.first()
                                 : EditorMessages::DeleteManyQuestion(selected.words);
    if (setup_.dialogs.AskOkCancel(question) != Dialogs::Answer::Ok)
        return;
    lists_.RemoveWords(k, selected.rows);
    UpdateLabels();
    setup_.dialogs.Inform(one ? EditorMessages::kDeleted : EditorMessages::kDeletedMany);
}

void DictionaryEditorWindow::EditEntry(int k, qsizetype row)
{
    if (Loading() || row >= lists_.List(k).Count())
        return;
    const QString entry = lists_.List(k).At(row);
    if (entry.isEmpty())
        return;
    const std::optional<QString> answer = setup_.dialogs.InputBox(EditorMessages::kEditPrompt, entry);
    if (!answer)
        return;  // Annulla keeps the entry
    const InsertResult result = lists_.EditEntry(k, row, answer);
    UpdateLabels();
    if (result.outcome == InsertResult::Outcome::Inserted)
        listsPanel_->ShowRow(result.list, result.row);
    else if (result.outcome != InsertResult::Outcome::Empty)
        setup_.dialogs.Inform(EditorMessages::ForInsert(result, lists_.Alphabet()));
}

void DictionaryEditorWindow::AskRebuild()
{
    if (setup_.dialogs.AskOkCancel(EditorMessages::kRebuildQuestion) != Dialogs::Answer::Ok) {
        setup_.dialogs.Inform(EditorMessages::kCancelled);
        return;
    }
    BeginRebuild();
}

void DictionaryEditorWindow::BeginRebuild()
{
    // Nothing may change the lists or close the window while the file is written.
    SetActionsEnabled(false);
    exitButton_->setEnabled(false);
    statusRow_->ShowStatus(EditorMessages::kWriting);
    listsPanel_->ClearCounts();
    // The status is painted before the writing starts.
    QTimer::singleShot(0, this, &DictionaryEditorWindow::Rebuild);
}

void DictionaryEditorWindow::Rebuild()
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Written only over the file the lists were read from, and by one writer at a time.
    const RebuildResult result = RebuildLexicon(lists_, setup_.language, setup_.files, setup_.lexiconFileName, readStamp_);
    QApplication::restoreOverrideCursor();
    exitButton_->setEnabled(true);
    if (!result.written) {
        closeAfterRebuild_ = false;
        statusRow_->ShowStatus({});
        UpdateLabels();
        SetActionsEnabled(true);
        setup_.dialogs.Inform(result.error);
        return;
    }
    listsPanel_->ShowWrittenCounts();
    statusAfterLoad_ = EditorMessages::Rewritten(result.lexicon.skippedLetters, result.lexicon.skippedExamples);
    if (setup_.lexiconRebuilt)
        setup_.lexiconRebuilt();
    // The lists now read back exactly what the file holds.
    StartLoad();
}

void DictionaryEditorWindow::ExportFiles()
{
    if (!listsKnown_)
        return;
    // The files may hold words the lists lack (a harvest appends to them): those are
    // not written over without the keeper's word.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const ExportLosses losses = EntriesLostByExport(lists_, setup_.files);
    QApplication::restoreOverrideCursor();
    if (!losses.errors.isEmpty()) {
        setup_.dialogs.Inform(losses.errors.join(QLatin1Char('\n')));
        return;
    }
    if (losses.Total() > 0 &&
        setup_.dialogs.AskYesNoDefaultNo(EditorMessages::ExportLossQuestion(losses.lost)) != Dialogs::Answer::Yes)
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const QString error = ExportWordFiles(lists_, setup_.files);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        setup_.dialogs.Inform(error);
        return;
    }
    // Where the files went: an installed copy writes them into the user's folder.
    const QString written =
        QFileInfo(PerLengthFiles::PathOf(setup_.files, EditorWordLists::kShortest)).absolutePath();
    const bool inProgramFolder =
        QFileInfo(written).canonicalFilePath() == QFileInfo(setup_.files.ProgramFolder()).canonicalFilePath();
    setup_.dialogs.Inform((inProgramFolder ? EditorMessages::kExported : EditorMessages::kExportedToUserFolder) +
                          QDir::toNativeSeparators(written));
}

void DictionaryEditorWindow::ImportFiles()
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const WordFiles files = ReadWordFiles(setup_.files);
    const ImportLosses losses = LossesOfReplacing(lists_, files);
    QApplication::restoreOverrideCursor();
    // Replacing lists with files that lack their words (a harvest's files hold only
    // the new words) would drop them: the keeper is asked, and the default adds the
    // files' words instead.
    ImportMode mode = ImportMode::Replace;
    if (losses.Any() &&
        setup_.dialogs.AskYesNoDefaultNo(EditorMessages::ImportLossQuestion(losses)) != Dialogs::Answer::Yes)
        mode = ImportMode::Add;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const WordFileImport import = ApplyWordFiles(lists_, files, mode);
    QApplication::restoreOverrideCursor();
    if (std::find(import.read.cbegin(), import.read.cend(), true) != import.read.cend()) {
        // The lists now hold the files' words: they may be rebuilt into a lexicon
        // (a lost one included) and written back.
        listsKnown_ = true;
        SetActionsEnabled(true);
    }
    UpdateLabels();
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        if (mode == ImportMode::Replace && import.read[k] && lists_.List(k).Count() > 0)
            listsPanel_->ShowRow(k, 0);
    }
    if (!import.errors.isEmpty())
        setup_.dialogs.Inform(import.errors.join(QLatin1Char('\n')));
    else if (mode == ImportMode::Add)
        setup_.dialogs.Inform(EditorMessages::ImportedAdded(import.added));
}
