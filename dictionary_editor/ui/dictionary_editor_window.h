// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"
#include "lexicon/core/lexicon_file_stamp.h"
#include "model/language.h"
#include "platform/core/program_files.h"
#include "platform/core/site_address.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class Dialogs;
class HttpFetcher;
class LexiconChangesModel;
class LexiconListLoad;
class QCheckBox;
class QLabel;
class QBoxLayout;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class SpellChecker;
class WindowPlaces;

// What the editor needs from the game: the language it edits, where its files are,
// the platform's services and whom to tell that the lexicon file has been rewritten.
struct DictionaryEditorSetup {
    Language language;         // its alphabet, and the banner of the rebuilt file
    QString lexiconFileName;   // "SLESSICO.<n>" among `files`
    ProgramFiles files;        // the lexicon, the per-length word files and "mancanti.txt"
    Dialogs& dialogs;
    HttpFetcher& http;
    SpellChecker& spellChecker;
    // Called after a rebuild wrote the file, so that the game reloads its lexicon.
    std::function<void()> lexiconRebuilt;
    // Where the missing-words list comes from; with no site the button says so.
    SiteAddress site = {};
    // Where the window keeps its size and place; none remembers nothing.
    const WindowPlaces* places = nullptr;
};

// The window "Letterama - Dizionario principale": the whole lexicon of a language as
// eight sorted lists (3 to 10 letters), with insert, delete and edit in memory, the
// rebuild of the lexicon file, the per-length word files, the bulk box with its
// imports, the missing-words list and the spell check of a line. The lists are loaded
// when the window opens and again after a rebuild, a piece at a time on a timer.
// The keeper finds a word with the search box and reviews what the next rebuild will
// add and remove; nothing that could lose work happens without a question: leaving
// with changes not rebuilt, an export over words the lists lack, an import over words
// the files lack, a rebuild over a lexicon another program rewrote meanwhile. Without the words
// of a lexicon file (missing or unreadable) nothing is written until an import.
class DictionaryEditorWindow : public QDialog {
    Q_OBJECT
public:
    explicit DictionaryEditorWindow(DictionaryEditorSetup setup, QWidget* parent = nullptr);
    ~DictionaryEditorWindow() override;

    // Starts the load and shows the window modally to its parent (open(), no exec()).
    void Open();
    // Empties the lists and starts reading them from the lexicon file.
    void StartLoad();
    bool Loading() const { return load_ != nullptr; }
    // Reads the rest of a running load at once.
    void FinishLoad();

    EditorWordLists& Lists() { return lists_; }
    // Whether the eight views show only what the next rebuild changes.
    bool Reviewing() const;
    void SetReviewing(bool on);

signals:
    void loadFinished();

public slots:
    // "&Uscita", Escape and the window's close button: a running load stops.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLists();
    void BuildControls();
    void LoadStep();
    void EndLoad();
    void SetActionsEnabled(bool enabled);
    void UpdateLabels();
    void ShowRow(int k, qsizetype row);

    void StartWord();
    void InsertTypedWord();
    void DeleteWord();
    void EditEntry(int k, int row);
    void AskRebuild();
    void BeginRebuild();
    void Rebuild();
    void ExportFiles();
    void ImportFiles();

    void ImportAll();
    void ImportWithQuestions();
    void FetchMissingWords();
    void InsertLocalList();
    void SpellCheckLine();

    // dictionary_editor_review.cpp
    void BuildReviewRow(QBoxLayout* layout);
    void FitToScreen();
    void Search(bool next);
    void RefreshReview();
    // The row in list k of row `viewRow` of its view, as shown now (all words or the
    // review); nothing for a word the rebuild removes.
    std::optional<qsizetype> ListRow(int k, int viewRow) const;
    // On leaving: true to close now, false to stay (or to close after a rebuild).
    bool MayLeave();

    DictionaryEditorSetup setup_;
    EditorWordLists lists_;
    std::unique_ptr<LexiconListLoad> load_;
    QTimer* loadTimer_;
    bool fetching_ = false;
    QString statusAfterLoad_;
    // The lists hold the lexicon's words (a load finished) or an import's: only then
    // may the export and the rebuild write them over the files.
    bool listsKnown_ = false;
    // The lexicon file as it was when the lists were read: the rebuild writes only over
    // that file, never over one another program wrote meanwhile.
    LexiconFileStamp readStamp_;
    bool closeAfterRebuild_ = false;
    qsizetype searchOrdinal_ = 0;

    QWidget* page_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QCheckBox* reviewBox_ = nullptr;
    std::array<LexiconChangesModel*, EditorWordLists::kListCount> changeModels_{};
    std::array<QListView*, EditorWordLists::kListCount> views_{};
    std::array<QLabel*, EditorWordLists::kListCount> countLabels_{};
    QLabel* totalLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLineEdit* wordBox_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* rebuildButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* missingButton_ = nullptr;
    QToolButton* missingPicture_ = nullptr;
    QPushButton* spellButton_ = nullptr;
    QPushButton* importAllButton_ = nullptr;
    QPushButton* questionsButton_ = nullptr;
    QPlainTextEdit* bulkBox_ = nullptr;
};
