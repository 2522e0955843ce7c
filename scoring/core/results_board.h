// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_state.h"
#include "lexicon/core/lexicon_source.h"
#include "scoring/core/round_scoring.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class Dialogs;
class ProgramFiles;

// What the board of one manche is judged from.
struct ResultsBoardInput {
    std::array<PlayerSlot, GameState::kPlayers> players;  // names and words as the main window's boxes hold them
    QString drawnLetters;
    QString sourceWord;          // the string of a shuffled draw; empty otherwise
    int finishSeconds = 60;      // when the human ended the manche; 60 at the time limit
    std::array<int, GameState::kPlayers> totals{};  // game totals before this manche
    LexiconSource lexicon;
    int lexiconLanguage = 1;     // which personal vocabulary: "USERVOCA." + language
    int confirmChoice = 0;       // the option chosen at the last confirmation, offered again
    // Where the personal vocabulary is read and added to; none: no vocabulary.
    const ProgramFiles* files = nullptr;

    // The manche of `state` as it ended: its players, letters, source word, finish
    // time, totals and language.
    static ResultsBoardInput OfManche(const GameState& state, LexiconSource lexicon, int confirmChoice,
                                      const ProgramFiles* files);
};

// One row of the board, player 1 to 4.
struct ResultsBoardRow {
    QString name;
    QString word;      // upper case; the board shows it in lower case
    // Empty until judged; then "SI", "NO", "NO1", "NO2", or "" when the lexicon is missing.
    std::optional<QString> verdict;
    bool confirmed = false;  // has been through the confirmation window
    int confirmChoice = 0;   // what was chosen there (1 to 3); 0 when never asked
    int wordPoints = 0;
    int bonus = 0;
    int total = 0;
    int rank = 0;

    int Points() const { return RoundScoring::AddToTotal(wordPoints, bonus); }
    QString ValidityText() const { return RoundScoring::ValidityText(verdict.value_or(QString())); }
    QString PointsText() const { return RoundScoring::PointsText(wordPoints, bonus); }
    QString ScoreLabelText() const { return RoundScoring::ScoreLabelText(total, rank); }
};

struct ResultsBoardOutcome {
    std::array<ResultsBoardRow, GameState::kPlayers> rows;
    std::array<int, GameState::kPlayers> totals{};  // the game totals after this manche
    int confirmChoice = 0;                           // the last option chosen, for the next manche
    int bestPlayer = -1;                             // 0-based; -1 when nobody scored
    int tieCount = 0;
    // Why a word the player chose to add did not reach the personal vocabulary;
    // empty when every addition was written.
    QString vocabularyError;

    // The main window's four score labels, player 1 first.
    QStringList ScoreLabels() const;
};

// Judges, scores and ranks the words of one manche. Players are judged in order with
// the word lookup; a human's valid word that copies the start of the source word is
// refused as "NO1" with a message; a human's word that no list knows stops the pass
// and is put to the player, and the pass then runs again from player 1 without
// judging again the words already judged. The sole best word earns the time bonus.
//
// The evaluation stops where it needs the player's answer, so that the window can ask
// without an event loop of its own:
//     ResultsEvaluation evaluation(input);
//     while (evaluation.Run(dialogs, rowShown) == ResultsEvaluation::Status::NeedsConfirmation)
//         evaluation.Confirm(<the player's answer to WordToConfirm()>);
//     ... evaluation.Outcome()
class ResultsEvaluation {
public:
    using RowShown = std::function<void(int player, const ResultsBoardRow& row)>;
    enum class Status { NeedsConfirmation, Complete };

    explicit ResultsEvaluation(ResultsBoardInput input);

    // Judges until a word must be put to the player or the board is complete.
    // `rowShown` hears of each row judged during a pass (name, word and verdict known).
    Status Run(Dialogs& dialogs, const RowShown& rowShown = {});

    // The word to put to the player, and the option chosen at the last confirmation.
    QString WordToConfirm() const;
    int PreviousChoice() const { return outcome_.confirmChoice; }
    // The player's answer, 1, 2 or 3 (anything else leaves the word out); words to
    // add go to the personal vocabulary at once. Run then goes on.
    void Confirm(int choice);

    // The board, complete once Run has answered Complete.
    const ResultsBoardOutcome& Outcome() const { return outcome_; }

private:
    void Score(const RoundScoring::BestWord& best);

    ResultsBoardInput input_;
    ResultsBoardOutcome outcome_;
    int toConfirm_ = -1;  // the player whose word waits for the answer
    bool lexiconFailed_ = false;  // the lexicon could not be read: told once
};

namespace ResultsBoard {

using ConfirmWord = std::function<int(const QString& wordToConfirm, int previousChoice)>;

// The whole evaluation at once, the player's answers coming from `confirm` (none:
// every unknown word is left out, as choice 3).
ResultsBoardOutcome Evaluate(ResultsBoardInput input, Dialogs& dialogs, const ConfirmWord& confirm,
                             const ResultsEvaluation::RowShown& rowShown = {});

}  // namespace ResultsBoard
