// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "dictionary_editor/ui/alphabet_validator.h"
#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_list_load.h"

#include "platform/core/dialogs.h"
#include "platform/ui/window_places.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Words read per tick of the load: a few milliseconds of work, so the window keeps
// painting its progress and "&Uscita" is answered at once.
constexpr std::int64_t kWordsPerLoadStep = 40'000;

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter in the word box inserts the word; no button may take it as a default.
    button->setAutoDefault(false);
    return button;
}

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

void SetRed(QLabel* label, bool red)
{
    label->setStyleSheet(red ? QStringLiteral("color: red;") : QString());
}

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
    BuildLists();
    BuildControls();
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

void DictionaryEditorWindow::BuildLists()
{
    auto* grid = new QGridLayout;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const QString caption = QString::number(k + EditorWordLists::kShortest) + QStringLiteral(" Caratt.");
        auto* captionLabel = new QLabel(caption, this);
        auto* view = new QListView(this);
        view->setObjectName(QStringLiteral("list%1").arg(k + EditorWordLists::kShortest));
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
        view->setMinimumWidth(WidestWord(view, lists_.Alphabet(), k + EditorWordLists::kShortest));
        captionLabel->setBuddy(view);
        countLabels_[k] = new QLabel(this);
        countLabels_[k]->setObjectName(QStringLiteral("count%1").arg(k + EditorWordLists::kShortest));
        views_[k] = view;
        grid->addWidget(captionLabel, 0, k);
        grid->addWidget(view, 1, k);
        grid->addWidget(countLabels_[k], 2, k);
        connect(view, &QAbstractItemView::clicked, this, [this, k] { lists_.SetCurrentList(k); });
        // Double-click (or Enter) on an entry edits it.
        connect(view, &QAbstractItemView::activated, this,
                [this, k](const QModelIndex& index) { EditEntry(k, index.row()); });
    }
    grid->setRowStretch(1, 1);

    auto* totalCaption = new QLabel(QStringLiteral("Paole presenti"), this);
    totalLabel_ = new QLabel(this);
    totalLabel_->setObjectName(QStringLiteral("total"));
    totalLabel_->setAccessibleDescription(totalCaption->text());
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("status"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(QStringLiteral("Avanzamento"));
    progress_->setTextVisible(false);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(totalCaption);
    statusRow->addWidget(totalLabel_);
    statusRow->addSpacing(20);
    statusRow->addWidget(statusLabel_, 1);
    statusRow->addWidget(progress_, 1);

    auto* listsColumn = new QVBoxLayout;
    listsColumn->addLayout(grid, 1);
    listsColumn->addLayout(statusRow);

    auto* top = new QHBoxLayout;
    top->addLayout(listsColumn, 1);
    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);

    addButton_ = MakeButton(QStringLiteral("&Aggiungi parola"), "addWord", this);
    wordBox_ = new QLineEdit(this);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setAccessibleName(QStringLiteral("Nuova parola"));
    wordBox_->setValidator(new AlphabetValidator(lists_.Alphabet(), wordBox_));
    wordBox_->hide();
    insertButton_ = MakeButton(QStringLiteral("&Inserisci"), "insertWord", this);
    insertButton_->setToolTip(QStringLiteral("Conferma inserimento"));
    insertButton_->hide();
    deleteButton_ = MakeButton(QStringLiteral("&Cancella parola"), "deleteWord", this);
    rebuildButton_ = MakeButton(QStringLiteral("&Ricrea dizionario"), "rebuild", this);
    exportButton_ = MakeButton(QStringLiteral("Crea &Files TXT"), "exportFiles", this);
    exportButton_->setToolTip(QStringLiteral("Per creare tanti piccoli files 3.txt, 4.txt ... 10.txt"));
    importButton_ = MakeButton(QStringLiteral("&Legge da files TXT"), "importFiles", this);
    importButton_->setToolTip(
        QStringLiteral("Per ricreare il dizionario partendo dai files 3.txt, 4.txt ... 10.txt"));
    exitButton_ = MakeButton(QStringLiteral("&Uscita"), "exit", this);
    for (QWidget* widget : {static_cast<QWidget*>(addButton_), static_cast<QWidget*>(wordBox_),
                            static_cast<QWidget*>(insertButton_), static_cast<QWidget*>(deleteButton_),
                            static_cast<QWidget*>(rebuildButton_), static_cast<QWidget*>(exportButton_),
                            static_cast<QWidget*>(importButton_)})
        buttons->addWidget(widget);
    buttons->addStretch();
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(page_);
    BuildReviewRow(layout);
    layout->addLayout(top, 3);

    connect(addButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::StartWord);
    connect(insertButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::InsertTypedWord);
    connect(wordBox_, &QLineEdit::returnPressed, this, &DictionaryEditorWindow::InsertTypedWord);
    connect(deleteButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::DeleteWord);
    connect(rebuildButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::AskRebuild);
    connect(exportButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::ExportFiles);
    connect(importButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::ImportFiles);
    connect(exitButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::reject);
}

void DictionaryEditorWindow::BuildControls()
{
    bulkBox_ = new QPlainTextEdit(this);
    bulkBox_->setObjectName(QStringLiteral("bulkBox"));
    bulkBox_->setAccessibleName(QStringLiteral("Parole da importare"));
    bulkBox_->setToolTip(QStringLiteral("Doppio click per importare le parole presenti in questo box"));
    bulkBox_->viewport()->installEventFilter(this);

    importAllButton_ = MakeButton(QStringLiteral("Importa &tutte"), "importAll", this);
    importAllButton_->setToolTip(QStringLiteral("Inserirsce tutte le parole presenti in questo box"));
    questionsButton_ = MakeButton(QStringLiteral("Importa con &domande"), "importWithQuestions", this);
    questionsButton_->setToolTip(
        QStringLiteral("Per inserire le parole in maniera interattiva presenti in questo box"));
    spellButton_ = MakeButton(QStringLiteral("Controlla con &WinWord"), "spellCheck", this);
    spellButton_->setToolTip(QStringLiteral("Selezionare col mouse tutta la parola nel box sopra da controllare"));
    missingButton_ =
        MakeButton(QStringLiteral("Cerca &parole suggerite su Internet nel sito del Letterama"), "missingWords", this);
    missingPicture_ = new QToolButton(this);
    missingPicture_->setObjectName(QStringLiteral("missingWordsPicture"));
    missingPicture_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    missingPicture_->setIconSize(QSize(32, 32));
    missingPicture_->setAutoRaise(true);
    missingPicture_->setAccessibleName(QStringLiteral("Inserisci le parole del file mancanti.txt"));
    missingPicture_->setToolTip(QStringLiteral("Doppio click per inserire le parole del file mancanti.txt"));
    missingPicture_->installEventFilter(this);
    auto* internetNote = new QLabel(EditorMessages::kInternetNote, this);
    internetNote->setWordWrap(true);

    auto* bulkButtons = new QVBoxLayout;
    bulkButtons->addWidget(importAllButton_);
    bulkButtons->addWidget(questionsButton_);
    bulkButtons->addWidget(spellButton_);
    bulkButtons->addStretch();
    auto* missingRow = new QHBoxLayout;
    missingRow->addWidget(missingPicture_);
    missingRow->addWidget(missingButton_, 1);
    bulkButtons->addLayout(missingRow);
    // The note has a row of its own, so its wrapped lines never run into the button.
    internetNote->setObjectName(QStringLiteral("internetNote"));
    bulkButtons->addWidget(internetNote);

    auto* bulkRow = new QHBoxLayout;
    bulkRow->addWidget(bulkBox_, 1);
    bulkRow->addLayout(bulkButtons, 1);
    static_cast<QVBoxLayout*>(page_->layout())->addLayout(bulkRow, 1);

    connect(importAllButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::ImportAll);
    connect(questionsButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::ImportWithQuestions);
    connect(spellButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::SpellCheckLine);
    connect(missingButton_, &QPushButton::clicked, this, &DictionaryEditorWindow::FetchMissingWords);
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
    wordBox_->hide();
    insertButton_->hide();
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
    statusLabel_->setText(EditorMessages::kReading);
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
    progress_->setRange(0, int(std::max<std::int64_t>(1, load_->CountInLength())));
    progress_->setValue(int(load_->DoneInLength()));
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
    progress_->reset();
    UpdateLabels();
    for (QListView* view : views_) {
        if (view->model()->rowCount() > 0)
            view->scrollToTop();
    }
    listsKnown_ = true;
    SetActionsEnabled(true);
    statusLabel_->setText(statusAfterLoad_);
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
    for (QPushButton* button : {addButton_, deleteButton_, importButton_})
        button->setEnabled(enabled);
    for (QPushButton* button : {rebuildButton_, exportButton_})
        button->setEnabled(enabled && listsKnown_);
    missingButton_->setEnabled(enabled && !fetching_);
}

void DictionaryEditorWindow::UpdateLabels()
{
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists_.List(k);
        countLabels_[k]->setText(EditorMessages::CountLabel(list.Count(), list.Changed()));
        SetRed(countLabels_[k], list.Changed());
    }
    totalLabel_->setText(EditorMessages::Total(lists_.TotalWords()));
    SetRed(totalLabel_, lists_.AnyChanged());
    RefreshReview();
}

void DictionaryEditorWindow::ShowRow(int k, qsizetype row)
{
    if (Reviewing())
        return;  // the views show the changes, not the rows of the lists
    const QModelIndex index = lists_.List(k).index(int(row));
    views_[k]->setCurrentIndex(index);
    views_[k]->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool DictionaryEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The lists are moved onto the page (and filtered) before the bulk box exists.
    if (!bulkBox_)
        return QDialog::eventFilter(watched, event);
    if (watched == bulkBox_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ImportAll();
        return true;
    }
    if (watched == missingPicture_) {
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        const bool key = event->type() == QEvent::KeyPress &&
                         (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space ||
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (doubleClick || key) {
            InsertLocalList();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        for (int k = 0; k < EditorWordLists::kListCount; ++k) {
            if (watched == views_[k])
                lists_.SetCurrentList(k);
        }
    }
    return QDialog::eventFilter(watched, event);
}
