// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's operations on its lists: insert, delete and edit a word, the rebuild
// of the lexicon file and the per-length word files.

#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_changes_model.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "lexicon/core/per_length_files.h"
#include "dictionary_editor/core/word_file_exchange.h"

#include "platform/core/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <vector>

void DictionaryEditorWindow::StartWord()
{
    wordBox_->clear();
    wordBox_->show();
    insertButton_->show();
    wordBox_->setFocus();
}

void DictionaryEditorWindow::InsertTypedWord()
{
    const InsertResult result = lists_.InsertWord(wordBox_->text());
    if (result.outcome == InsertResult::Outcome::Inserted) {
        UpdateLabels();
        ShowRow(result.list, result.row);
    }
    if (lists_.Interactive()) {
        const QString message = EditorMessages::ForInsert(result, lists_.Alphabet());
        if (!message.isEmpty())
            setup_.dialogs.Inform(message);
    }
    if (result.outcome == InsertResult::Outcome::AlreadyPresent)
        wordBox_->clear();
    if (!wordBox_->isHidden()) {
        // Ready for the next word: typing replaces the one just handled.
        wordBox_->selectAll();
        wordBox_->setFocus();
    }
}

void DictionaryEditorWindow::DeleteWord()
{
    const int k = lists_.CurrentList();
    const QModelIndexList selected = views_[k]->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        setup_.dialogs.Inform(EditorMessages::kSelectFirst);
        return;
    }
    // Several words at once (the harvested names of a review): one question for all.
    std::vector<qsizetype> rows;
    QStringList words;
    for (const QModelIndex& index : selected) {
        if (const std::optional<qsizetype> listRow = ListRow(k, index.row())) {
            rows.push_back(*listRow);
            words.append(lists_.List(k).At(*listRow));
        }
    }
    if (rows.empty()) {
        setup_.dialogs.Inform(EditorMessages::AlreadyRemoved(
            static_cast<const LexiconChangesModel*>(views_[k]->model())->WordAt(selected.first().row())));
        return;
    }
    std::sort(rows.begin(), rows.end());
    words.sort();
    const QString question = rows.size() == 1 ? EditorMessages::kDeleteQuestion + words.first()
                                              : EditorMessages::DeleteManyQuestion(words);
    if (setup_.dialogs.AskOkCancel(question) != Dialogs::Answer::Ok)
        return;
    // From the last row back, so the rows still to go keep their places.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        lists_.RemoveWord(k, *row);
    UpdateLabels();
    setup_.dialogs.Inform(rows.size() == 1 ? EditorMessages::kDeleted : EditorMessages::kDeletedMany);
}

void DictionaryEditorWindow::EditEntry(int k, int viewRow)
{
    const std::optional<qsizetype> listRow = ListRow(k, viewRow);
    if (Loading() || !listRow || *listRow >= lists_.List(k).Count())
        return;
    const qsizetype row = *listRow;
    const QString entry = lists_.List(k).At(row);
    if (entry.isEmpty())
        return;
    const std::optional<QString> answer = setup_.dialogs.InputBox(EditorMessages::kEditPrompt, entry);
    if (!answer)
        return;  // Annulla keeps the entry
    const InsertResult result = lists_.EditEntry(k, row, answer);
    UpdateLabels();
    if (result.outcome == InsertResult::Outcome::Inserted)
        ShowRow(result.list, result.row);
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
    statusLabel_->setText(EditorMessages::kWriting);
    for (QLabel* label : countLabels_)
        label->clear();
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
        statusLabel_->clear();
        UpdateLabels();
        SetActionsEnabled(true);
        setup_.dialogs.Inform(result.error);
        return;
    }
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        countLabels_[k]->setText(EditorMessages::CountLabel(lists_.List(k).Count(), true));
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
            ShowRow(k, 0);
    }
    if (!import.errors.isEmpty())
        setup_.dialogs.Inform(import.errors.join(QLatin1Char('\n')));
    else if (mode == ImportMode::Add)
        setup_.dialogs.Inform(EditorMessages::ImportedAdded(import.added));
}
