// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_state.h"
#include "lexicon/core/lexicon_source.h"
#include "platform/core/platform.h"
#include "scoring/core/results_board.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class ConfirmWindow;
class ProgramFiles;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class SpellChecker;

// The results window "Letterama - Punteggi": at the end of each manche it judges the
// four players' words, scores and ranks them, adds the points to the game totals and
// shows the board beside the list of words the computer search found.
//
// For the game: create it once at start-up, as a child of the window that owns the
// game state, and keep it hidden; the search fills its list meanwhile:
//   results->ClearFoundWords();            // the search starts
//   results->AppendFoundWords(lines);      // each length done (FoundWordLine of each word)
// At the end of a manche, with the words read from the word boxes:
//   results->StartManche(state, players, lexiconSource);
// opens the window modally and returns at once. Once the window is on screen it
// evaluates, asking the player about unknown words in the confirmation window, sends
// the complete board by Judged (whose totals the game's owner keeps) and the four
// score labels by ScoreLabelsChanged; "&Continua" (or
// closing the window) then closes it, and `finished` follows. A new game or another
// language meanwhile calls Abandon(): the evaluation stops, nothing is sent, and
// the window closes. So does closing the window before the board is complete.
class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    // The personal vocabularies judged with and added to, and the word rules, are
    // those of `files`, kept by the caller.
    ResultsWindow(const Platform& platform, const ProgramFiles& files, SpellChecker& spellChecker,
                  QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Puts unknown words to `confirm` instead of the confirmation window.
    void SetConfirmation(ResultsBoard::ConfirmWord confirm);

    // The found-words list, one "(n) -   WORD" line per word.
    void ClearFoundWords();
    void SetFoundWords(const QStringList& lines);
    void AppendFoundWords(const QStringList& lines);
    void AppendFoundWord(const QString& line);
    QStringList FoundWordLines() const;

    // Judges the manche of `state` (letters, source word, finish time, manche number,
    // found words, language, totals) with `players`' names and words, as described
    // above. `state` must outlive the window's showing. A call while a manche is
    // showing is ignored.
    void StartManche(const GameState& state, const std::array<PlayerSlot, GameState::kPlayers>& players,
                     const LexiconSource& lexicon);

    // Stops an evaluation in progress, sending nothing, and closes the window. A board
    // already complete has been sent by Judged and is kept as LastOutcome.
    void Abandon();

    // True from the end of the evaluation until the window closes for the next manche.
    bool Evaluated() const { return evaluated_; }
    bool Evaluating() const { return evaluation_ != nullptr; }
    // The board of the last manche evaluated to the end; kept after the window closes.
    const std::optional<ResultsBoardOutcome>& LastOutcome() const { return outcome_; }
    // The option chosen at the last confirmation, offered again at the next one.
    int ConfirmChoice() const { return confirmChoice_; }

signals:
    // The board is complete: its totals are the game's new totals.
    void Judged(const ResultsBoardOutcome& outcome);
    // The main window's score labels, player 1 first: total and rank, " 1080 (1°)".
    void ScoreLabelsChanged(const QStringList& labels);

public slots:
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PrepareBoard(const std::array<PlayerSlot, GameState::kPlayers>& players, int mancheNumber, int foundCount);
    // Shows the longest of the found words in bold, and how long the human's word is.
    void MarkLongestWords(const QStringList& foundWords, const QString& humanWord);
    void Evaluate();
    void OnConfirmed(int choice);
    void Complete();
    void ShowVerdict(int player, const ResultsBoardRow& row);
    void ShowOutcome(const ResultsBoardOutcome& outcome);
    // `spoken`, when given, is what a screen reader hears after the column's name.
    void FitBoardColumns();
    void SetCell(int player, int column, const QString& text, const QString& spoken = QString());
    void AskConfirmation(const QString& word, int previousChoice);
    void Continue();
    void StopEvaluation();

    Dialogs& dialogs_;
    Shell& shell_;
    const ProgramFiles& files_;
    SpellChecker& spellChecker_;
    ResultsBoard::ConfirmWord confirmOverride_;
    ConfirmWindow* confirmWindow_ = nullptr;

    // The manche handed to StartManche; evaluated once the window is on screen.
    std::optional<ResultsBoardInput> pending_;
    // Shared with the evaluation step under way: a message box it opens may close or
    // destroy this window before the step returns.
    std::shared_ptr<ResultsEvaluation> evaluation_;
    const GameState* state_ = nullptr;
    std::optional<ResultsBoardOutcome> outcome_;
    bool evaluated_ = false;
    int confirmChoice_ = 0;

    QLabel* heading_;
    QTableWidget* board_;
    QListWidget* foundWords_;
    int firstLongestRow_ = -1;  // the row the found-words list opens on, or -1
    QLabel* foundCount_;
    QLabel* longestNote_;
    QPushButton* continue_;
};
