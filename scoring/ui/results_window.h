// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_state.h"
#include "platform/core/platform.h"
#include "scoring/core/results_board.h"

#include <QDialog>
#include <QStringList>

#include <array>

class ConfirmWindow;
class ProgramFiles;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class SpellChecker;

// The results window "Letterama - Punteggi": at the end of each manche it shows the
// four players' words as they are judged, asks the player about a word no list
// knows, and shows the complete board, scored and ranked, beside the list of words
// the computer search found. The judging is the game's: the window only shows it.
//
// For the game: create it once at start-up, as a child of the game's window, and
// keep it hidden; the search fills its list meanwhile:
//   results->ClearFoundWords();            // the search starts
//   results->AppendFoundWords(lines);      // each length done (FoundWordLine of each word)
// At the end of a manche, with the players' names and words:
//   results->OpenManche(players, mancheNumber, foundWords);
// opens the window modally and returns at once. Once the window is on screen it
// asks for the board by JudgingWanted, once a manche; the holder then hands in each
// row judged by ShowVerdict, a word to put to the player by AskConfirmation (the
// answer comes back by Confirmed), and the complete board by ShowBoard, which sends
// the four score labels by ScoreLabelsChanged. "&Continua" (or closing the window)
// then closes it, and `finished` follows. A new game or another language meanwhile
// calls Abandon(): the window stops waiting, drops a late answer, and closes. So
// does closing the window before the board is complete.
class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    // The confirmation window's word rules are those of `files`, kept by the caller;
    // the personal vocabulary is the game's to judge with and add to.
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

    // Opens the board of manche `mancheNumber` with `players`' names and words, the
    // longest of `foundWords` marked, as described above. A call while a manche is
    // showing is ignored.
    void OpenManche(const std::array<PlayerSlot, GameState::kPlayers>& players, int mancheNumber,
                    const QStringList& foundWords);
    // A row judged: its name, word and verdict.
    void ShowVerdict(int player, const ResultsBoardRow& row);
    // Puts `word` to the player, the option `previousChoice` offered first; the
    // confirmation window's link leads to `homePage`. Confirmed follows.
    void AskConfirmation(const QString& word, int previousChoice, const QString& homePage);
    // The complete board: its points, totals and ranks; "&Continua" may close it now.
    void ShowBoard(const ResultsBoardOutcome& board);

    // Stops waiting for the board and closes the window; an answer that comes later
    // reaches nobody.
    void Abandon();

    // True from the complete board until the window closes for the next manche.
    bool Evaluated() const { return evaluated_; }

signals:
    // The board is on screen: its judging may begin.
    void JudgingWanted();
    // The player's answer to AskConfirmation: 1 add and score, 2 add only, 3 leave out.
    void Confirmed(int choice);
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
    void WantJudging();
    void OnConfirmed(int choice);
    void ShowOutcome(const ResultsBoardOutcome& outcome);
    void FitBoardColumns();
    // `spoken`, when given, is what a screen reader hears after the column's name.
    void SetCell(int player, int column, const QString& text, const QString& spoken = QString());
    void Continue();
    void StopWaiting();

    Shell& shell_;
    const ProgramFiles& files_;
    SpellChecker& spellChecker_;
    ResultsBoard::ConfirmWord confirmOverride_;
    ConfirmWindow* confirmWindow_ = nullptr;

    bool awaiting_ = false;       // a manche is open and its board not complete
    bool judgingAsked_ = false;   // JudgingWanted has gone for this manche
    bool answerAwaited_ = false;  // a word is put to the player
    bool evaluated_ = false;

    QLabel* heading_;
    QTableWidget* board_;
    QListWidget* foundWords_;
    int firstLongestRow_ = -1;  // the row the found-words list opens on, or -1
    QLabel* foundCount_;
    QLabel* longestNote_;
    QPushButton* continue_;
};
