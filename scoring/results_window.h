#pragma once

#include "game_state.h"
#include "lexicon_source.h"
#include "platform.h"
#include "results_board.h"
#include "work_generation.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class ConfirmWindow;
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
//   if (const auto outcome = results->RunManche(state, players, lexiconSource))
//       ... outcome->ScoreLabels() are the four score labels (also sent by ScoreLabelsChanged)
// RunManche shows the window modally, evaluates once it is on screen, writes
// `TotalScores`, and returns when "&Continua" (or closing the window) is pressed. A new
// game or another language meanwhile calls Abandon(): the evaluation stops, nothing is
// written, and RunManche returns nothing. So does closing the window before the board
// is complete.
class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    ResultsWindow(const Platform& platform, SpellChecker& spellChecker, QWidget* parent = nullptr);
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
    // above. Nothing when the evaluation was abandoned; `state` is then unchanged.
    std::optional<ResultsBoardOutcome> RunManche(GameState& state,
                                                 const std::array<PlayerSlot, GameState::kPlayers>& players,
                                                 const LexiconSource& lexicon);

    // Stops an evaluation in progress, writing nothing, and closes the window. A board
    // already complete has been written and is returned by RunManche as usual.
    void Abandon();

    // True from the end of the evaluation until the window closes for the next manche.
    bool Evaluated() const { return evaluated_; }
    bool Evaluating() const { return evaluating_; }
    // The option chosen at the last confirmation, offered again at the next one.
    int ConfirmChoice() const { return confirmChoice_; }

signals:
    // The main window's score labels, player 1 first: total and rank, " 1080 (1°)".
    void ScoreLabelsChanged(const QStringList& labels);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PrepareBoard(const std::array<PlayerSlot, GameState::kPlayers>& players, int mancheNumber, int foundCount);
    void Evaluate();
    void ShowVerdict(int player, const ResultsBoardRow& row);
    void ShowOutcome(const ResultsBoardOutcome& outcome);
    void SetCell(int player, int column, const QString& text);
    int AskConfirmation(const QString& word, int previousChoice);
    void Continue();
    void StopEvaluation();

    Dialogs& dialogs_;
    Shell& shell_;
    SpellChecker& spellChecker_;
    ResultsBoard::ConfirmWord confirmOverride_;
    // Held apart from the widget tree, so that the board going away while the player
    // still looks at the question never deletes the window under its own event loop.
    std::shared_ptr<ConfirmWindow> confirmWindow_;

    // The manche handed to RunManche; evaluated once the window is on screen.
    std::optional<ResultsBoardInput> pending_;
    GameState* state_ = nullptr;
    std::optional<ResultsBoardOutcome> outcome_;
    WorkGeneration generation_;
    bool evaluated_ = false;
    bool evaluating_ = false;
    int confirmChoice_ = 0;

    QLabel* heading_;
    QTableWidget* board_;
    QListWidget* foundWords_;
    QLabel* foundCount_;
    QPushButton* continue_;
};
