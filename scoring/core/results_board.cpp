// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/results_board.h"

#include "platform/core/dialogs.h"
#include "model/language.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_files.h"
#include "lexicon/core/word_lookup.h"

#include <utility>

namespace {

constexpr int kAddAndScore = 1;
constexpr int kAddWithoutScore = 2;
constexpr int kDoNotAdd = 3;

using Rows = std::array<ResultsBoardRow, GameState::kPlayers>;

// How a pass over the players ended.
struct PassEnd {
    bool confirm = false;
    int player = -1;  // the player to confirm
    RoundScoring::BestWord best;
};

// One evaluation pass, players in order. Verdicts already given stay; the best word
// is tracked afresh on every pass, so a player met again after a confirmation is not
// counted twice.
PassEnd RunPass(Rows& rows, const ResultsBoardInput& input, Dialogs& dialogs,
                const ResultsEvaluation::RowShown& rowShown, bool& lexiconFailed)
{
    PassEnd end;
    const QString fileName = PersonalVocabulary::FileName(input.lexiconLanguage);
    // Without files there is no personal vocabulary to judge with.
    const QString vocabulary = input.files ? input.files->Resolve(fileName) : QString();
    for (int p = 0; p < GameState::kPlayers; ++p) {
        ResultsBoardRow& row = rows[p];
        row.name = input.players[p].Name;
        row.word = input.players[p].Word.toUpper();
        const bool human = !IsComputerPlayer(row.name);

        if (!row.verdict) {
            // A word turned down at the confirmation must not count through the line
            // the player may just have added for it.
            const bool refused = row.confirmed && row.confirmChoice != kAddAndScore;
            if (lexiconFailed) {
                row.verdict = WordVerdict::NoLexicon;
            } else {
                const LexiconResult<QString> verdict = WordLookup::Judge(
                    input.lexicon, vocabulary, {row.word, refused ? row.word : QString(), input.drawnLetters});
                if (!verdict) {
                    // Told once; the other words of the board are not looked up again.
                    lexiconFailed = true;
                    dialogs.Inform(verdict.Error().Message());
                }
                row.verdict = verdict ? *verdict : WordVerdict::NoLexicon;
            }
        }

        if (human && row.verdict == WordVerdict::Valid && RoundScoring::CopiesSourceWord(row.word, input.sourceWord)) {
            row.verdict = RoundScoring::CopiedVerdict;
            dialogs.Inform(RoundScoring::CopiedWordMessage(row.word, row.name));
        }

        if (human && row.verdict == WordVerdict::Unknown && !row.confirmed) {
            end.confirm = true;
            end.player = p;
            return end;
        }

        row.wordPoints = RoundScoring::WordPoints(*row.verdict, row.word);
        end.best.Add(p, row.wordPoints);
        if (rowShown)
            rowShown(p, row);
    }
    return end;
}

}  // namespace

ResultsBoardInput ResultsBoardInput::OfManche(const GameState& state, LexiconSource lexicon, int confirmChoice,
                                              const ProgramFiles* files)
{
    ResultsBoardInput input;
    input.players = state.Players;
    input.drawnLetters = state.DrawnLetters;
    input.sourceWord = state.SourceWord;
    input.finishSeconds = state.FinishSeconds;
    input.totals = state.TotalScores;
    input.lexicon = std::move(lexicon);
    input.lexiconLanguage = TableOf(state.Settings.LexiconLanguage).Number();
    input.confirmChoice = confirmChoice;
    input.files = files;
    return input;
}

QStringList ResultsBoardOutcome::ScoreLabels() const
{
    QStringList labels;
    for (const ResultsBoardRow& row : rows)
        labels.append(row.ScoreLabelText());
    return labels;
}

ResultsEvaluation::ResultsEvaluation(ResultsBoardInput input) : input_(std::move(input))
{
    outcome_.confirmChoice = input_.confirmChoice;
}

ResultsEvaluation::Status ResultsEvaluation::Run(Dialogs& dialogs, const RowShown& rowShown)
{
    if (toConfirm_ >= 0)
        return Status::NeedsConfirmation;
    const PassEnd end = RunPass(outcome_.rows, input_, dialogs, rowShown, lexiconFailed_);
    if (end.confirm) {
        toConfirm_ = end.player;
        return Status::NeedsConfirmation;
    }
    Score(end.best);
    return Status::Complete;
}

QString ResultsEvaluation::WordToConfirm() const
{
    return toConfirm_ >= 0 ? outcome_.rows[toConfirm_].word : QString();
}

void ResultsEvaluation::Confirm(int choice)
{
    if (toConfirm_ < 0)
        return;
    ResultsBoardRow& row = outcome_.rows[toConfirm_];
    toConfirm_ = -1;
    row.confirmChoice = choice == kAddAndScore || choice == kAddWithoutScore ? choice : kDoNotAdd;
    outcome_.confirmChoice = choice;
    if (row.confirmChoice != kDoNotAdd) {
        // A vocabulary that cannot be written costs the player the entry, not the
        // decision: the choice still applies to this manche, and the window says so.
        QString error;
        const QString word = row.word.trimmed();
        const bool added = input_.files && PersonalVocabulary(input_.lexiconLanguage, *input_.files).AppendWord(word, &error);
        if (!added) {
            outcome_.vocabularyError = QStringLiteral("La parola ") + word +
                                       QStringLiteral(" non è stata aggiunta al vocabolario personale (") +
                                       PersonalVocabulary::FileName(input_.lexiconLanguage) +
                                       QStringLiteral("): ") + error;
        }
    }
    if (row.confirmChoice == kAddAndScore)
        row.verdict = WordVerdict::Valid;
    row.confirmed = true;
}

void ResultsEvaluation::Score(const RoundScoring::BestWord& best)
{
    Rows& rows = outcome_.rows;
    const int bonus = RoundScoring::TimeBonus(input_.finishSeconds);
    for (int p = 0; p < GameState::kPlayers; ++p) {
        ResultsBoardRow& row = rows[p];
        row.bonus = best.SoleBest(p) ? bonus : 0;
        row.total = RoundScoring::AddToTotal(input_.totals[p], row.Points());
        outcome_.totals[p] = row.total;
    }
    const std::array<int, GameState::kPlayers> ranks = RoundScoring::Ranks(outcome_.totals);
    for (int p = 0; p < GameState::kPlayers; ++p)
        rows[p].rank = ranks[p];
    outcome_.bestPlayer = best.BestPlayer();
    outcome_.tieCount = best.TieCount();
}

namespace ResultsBoard {

ResultsBoardOutcome Evaluate(ResultsBoardInput input, Dialogs& dialogs, const ConfirmWord& confirm,
                             const ResultsEvaluation::RowShown& rowShown)
{
    ResultsEvaluation evaluation(std::move(input));
    while (evaluation.Run(dialogs, rowShown) == ResultsEvaluation::Status::NeedsConfirmation) {
        evaluation.Confirm(confirm ? confirm(evaluation.WordToConfirm(), evaluation.PreviousChoice())
                                   : int(kDoNotAdd));
    }
    return evaluation.Outcome();
}

}  // namespace ResultsBoard
