// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"
#include "lexicon/core/lexicon_file_stamp.h"
#include "model/language.h"
#include "platform/core/program_files.h"
#include "platform/core/site_address.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class BulkImportPanel;
class Dialogs;
class EditorStatusRow;
class FileActionsPanel;
class HttpFetcher;
class LexiconListLoad;
class QPushButton;
class QScrollArea;
class QTimer;
class SearchReviewBar;
class SpellChecker;
class WindowPlaces;
class WordEntryPanel;
class WordListsPanel;

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
// The window composes its panels (the lists, the word entry, the file actions, the
// search and review bar, the bulk box) and does what they ask, with its files and
// dialogs.
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

private:
    void BuildPage();
    void LoadStep();
    void EndLoad();
    void SetActionsEnabled(bool enabled);
    void UpdateLabels();

    // dictionary_editor_actions.cpp
    void InsertTypedWord(const QString& text);
    void DeleteWord();
    void EditEntry(int k, qsizetype row);
    void AskRebuild();
    void BeginRebuild();
    void Rebuild();
    void ExportFiles();
    void ImportFiles();

    // dictionary_editor_bulk.cpp
    void ImportAll();
    void ImportWithQuestions();
    void FetchMissingWords();
    void InsertLocalList();
    void SpellCheckLine();

    // dictionary_editor_review.cpp
    void FitToScreen();
    void Search(const QString& typed, qsizetype ordinal);
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

    QWidget* page_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    WordListsPanel* listsPanel_ = nullptr;
    EditorStatusRow* statusRow_ = nullptr;
    WordEntryPanel* entryPanel_ = nullptr;
    FileActionsPanel* filesPanel_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    SearchReviewBar* searchBar_ = nullptr;
    BulkImportPanel* bulkPanel_ = nullptr;
};
