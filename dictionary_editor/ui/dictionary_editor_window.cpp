// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/ui/bulk_import_panel.h"
#include "dictionary_editor/ui/editor_status_row.h"
#include "dictionary_editor/ui/editor_widgets.h"
#include "dictionary_editor/ui/file_actions_panel.h"
#include "dictionary_editor/ui/search_review_bar.h"
#include "dictionary_editor/ui/word_entry_panel.h"
#include "dictionary_editor/ui/word_lists_panel.h"
#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_list_load.h"

#include "platform/core/dialogs.h"
#include "platform/ui/window_places.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Words read per tick of the load: a few milliseconds of work, so the window keeps
// painting its progress and "&Uscita" is answered at once.
constexpr std::int64_t kWordsPerLoadStep = 40'000;

}  // namespace

DictionaryEditorWindow::DictionaryEditorWindow(DictionaryEditorSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), lists_(TableOf(setup_.language).Alphabet), loadTimer_(new QTimer(this))
{
    setWindowTitle(EditorMessages::kCaption);
    if (setup_.places)
        setup_.places->Remember(this, QStringLiteral("dizionario"));
    setObjectName(QStringLiteral("dictionaryEditor"));
    loadTimer_->setInterval(0);
    connect(loadTimer_, &QTimer::timeout, this, &DictionaryEditorWindow::LoadStep);
    // Everything sits on one page in a scroll area: on a screen smaller than the page
    // the window scrolls instead of clipping its controls.
    page_ = new QWidget(this);
    page_->setObjectName(QStringLiteral("editorPage"));
    BuildPage();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("editorScroll"));
    scroll_->setAccessibleName(QStringLiteral("Dizionario principale"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(page_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
    SetActionsEnabled(false);
}

DictionaryEditorWindow::~DictionaryEditorWindow() = default;

void DictionaryEditorWindow::BuildPage()
{
    // Made in the order Tab follows: the lists, the buttons beside them, the search
    // and review bar, the bulk box.
    listsPanel_ = new WordListsPanel(lists_, this);
    statusRow_ = new EditorStatusRow(this);
    entryPanel_ = new WordEntryPanel(lists_.Alphabet(), this);
    filesPanel_ = new FileActionsPanel(this);
    exitButton_ = EditorWidgets::MakeButton(QStringLiteral("&Uscita"), "exit", this);
    searchBar_ = new SearchReviewBar(this);
    bulkPanel_ = new BulkImportPanel(this);

    auto* listsColumn = new QVBoxLayout;
    listsColumn->addWidget(listsPanel_, 1);
    listsColumn->addWidget(statusRow_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(entryPanel_);
    buttons->addWidget(filesPanel_);
    buttons->addStretch();
    buttons->addWidget(exitButton_);
    auto* top = new QHBoxLayout;
    top->addLayout(listsColumn, 1);
    top->addLayout(buttons);
    // Laid out (and so read by a screen reader) top to bottom.
    auto* layout = new QVBoxLayout(page_);
    layout->addWidget(searchBar_);
    layout->addLayout(top, 3);
    layout->addWidget(bulkPanel_, 1);

    connect(listsPanel_, &WordListsPanel::entryChosen, this, &DictionaryEditorWindow::EditEntry);
    connect(entryPanel_, &WordEntryPanel::wordEntered, this, &DictionaryEditorWindow::InsertTypedWord);
    connect(entryPanel_, &WordEntryPanel::deleteRequested, this, &DictionaryEditorWindow::DeleteWord);
    connect(filesPanel_, &FileActionsPanel::rebuildRequested, this, &DictionaryEditorWindow::AskRebuild);
    connect(filesPanel_, &FileActionsPanel::exportRequested, this, &DictionaryEditorWindow::ExportFiles);
    connect(filesPanel_, &FileActionsPanel::importRequested, this, &DictionaryEditorWindow::ImportFiles);
    connect(exitButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::reject);
    connect(searchBar_, &SearchReviewBar::searchRequested, this, &DictionaryEditorWindow::Search);
    connect(searchBar_, &SearchReviewBar::reviewToggled, this, &DictionaryEditorWindow::SetReviewing);
    connect(bulkPanel_, &BulkImportPanel::importAllRequested, this, &DictionaryEditorWindow::ImportAll);
    connect(bulkPanel_, &BulkImportPanel::importWithQuestionsRequested, this,
            &DictionaryEditorWindow::ImportWithQuestions);
    connect(bulkPanel_, &BulkImportPanel::spellCheckRequested, this, &DictionaryEditorWindow::SpellCheckLine);
    connect(bulkPanel_, &BulkImportPanel::fetchMissingWordsRequested, this,
            &DictionaryEditorWindow::FetchMissingWords);
    connect(bulkPanel_, &BulkImportPanel::localMissingWordsRequested, this, &DictionaryEditorWindow::InsertLocalList);
}

void DictionaryEditorWindow::Open()
{
    StartLoad();
    FitToScreen();
    open();
}

void DictionaryEditorWindow::StartLoad()
{
    lists_.EndBatch();
    SetActionsEnabled(false);
    entryPanel_->CloseWordBox();
    if (load_) {
        loadTimer_->stop();
        load_.reset();
        QApplication::restoreOverrideCursor();
    }
    // Stamped before reading: a file rewritten while it is read counts as changed.
    const QString lexiconPath = setup_.files.Resolve(setup_.lexiconFileName);
    readStamp_ = LexiconFileStamp::Of(lexiconPath);
    const LexiconFileBytes file = ReadLexiconFile(lexiconPath);
    load_ = std::make_unique<LexiconListLoad>(lists_, file.bytes);
    if (file.status != LexiconFileBytes::Status::Read) {
        load_.reset();
        closeAfterRebuild_ = false;
        UpdateLabels();
        setup_.dialogs.Inform(file.error);
        // Empty lists are no lexicon: an export would empty the word files and a
        // rebuild the lexicon. Only an import gives the lists words worth writing.
        listsKnown_ = false;
        SetActionsEnabled(true);
        emit loadFinished();
        return;
    }
    statusRow_->ShowStatus(EditorMessages::kReading);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    loadTimer_->start();
}

void DictionaryEditorWindow::LoadStep()
{
    if (!load_) {
        loadTimer_->stop();
        return;
    }
    const int before = load_->Length();
    load_->Step(kWordsPerLoadStep);
    if (load_->Length() != before)
        UpdateLabels();
    if (load_->Finished()) {
        EndLoad();
        return;
    }
    statusRow_->ShowProgress(load_->DoneInLength(), load_->CountInLength());
}

void DictionaryEditorWindow::FinishLoad()
{
    if (!load_)
        return;
    load_->RunToEnd();
    EndLoad();
}

void DictionaryEditorWindow::EndLoad()
{
    loadTimer_->stop();
    load_.reset();
    QApplication::restoreOverrideCursor();
    statusRow_->ResetProgress();
    UpdateLabels();
    listsPanel_->ScrollToTops();
    listsKnown_ = true;
    SetActionsEnabled(true);
    statusRow_->ShowStatus(statusAfterLoad_);
    statusAfterLoad_.clear();
    emit loadFinished();
    if (closeAfterRebuild_) {
        // The keeper asked to leave once the changes were written: they are.
        closeAfterRebuild_ = false;
        QDialog::reject();
    }
}

void DictionaryEditorWindow::reject()
{
    if (!exitButton_->isEnabled() || closeAfterRebuild_)
        return;  // a rebuild is writing the file, or reading it back
    if (load_) {
        // The lists are being read from the file: there is nothing of the keeper's
        // to lose, and the load stops at once.
        loadTimer_->stop();
        load_.reset();
        QApplication::restoreOverrideCursor();
    } else if (!MayLeave()) {
        return;
    }
    QDialog::reject();
}

void DictionaryEditorWindow::SetActionsEnabled(bool enabled)
{
    entryPanel_->SetActionsEnabled(enabled);
    filesPanel_->SetActionsEnabled(enabled, listsKnown_);
    bulkPanel_->SetFetchEnabled(enabled && !fetching_);
}

void DictionaryEditorWindow::UpdateLabels()
{
    listsPanel_->ShowCounts();
    statusRow_->ShowTotal(lists_.TotalWords(), lists_.AnyChanged());
}
