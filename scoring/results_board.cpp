#include "results_board.h"

#include "dialogs.h"
#include "personal_vocabulary.h"
#include "word_lookup.h"

namespace {

constexpr int kAddAndScore = 1;
constexpr int kAddWithoutScore = 2;
constexpr int kDoNotAdd = 3;

using Rows = std::array<ResultsBoardRow, GameState::kPlayers>;

// How a pass over the players ended.
struct PassEnd {
    enum class Kind { Finished, Confirm, Overtaken };
    Kind kind = Kind::Finished;
    int player = -1;  // the player to confirm
    RoundScoring::BestWord best;
};

bool StillCurrent(const ResultsBoard::Hooks& hooks)
{
    return !hooks.stillCurrent || hooks.stillCurrent();
}

// One evaluation pass, players in order. Verdicts already given stay; the best word
// is tracked afresh on every pass, so a player met again after a confirmation is not
// counted twice.
PassEnd RunPass(Rows& rows, const ResultsBoardInput& input, Dialogs& dialogs, const ResultsBoard::Hooks& hooks)
{
    PassEnd end;
    const QString vocabulary = PersonalVocabulary::FileName(input.lexiconLanguage);
    for (int p = 0; p < GameState::kPlayers; ++p) {
        ResultsBoardRow& row = rows[p];
        row.name = input.players[p].Name;
        row.word = input.players[p].Word.toUpper();
        const bool human = !IsComputerPlayer(row.name);

        if (!row.verdict) {
            // A word turned down at the confirmation must not count through the line
            // the player may just have added for it.
            const bool refused = row.confirmed && row.confirmChoice != kAddAndScore;
            const LexiconResult<QString> verdict = WordLookup::Judge(
                input.lexicon, vocabulary, {row.word, refused ? row.word : QString(), input.drawnLetters});
            if (!verdict) {
                dialogs.Inform(verdict.Error().Message());
                // The message box let events run: the board may be gone by now.
                if (!StillCurrent(hooks)) {
                    end.kind = PassEnd::Kind::Overtaken;
                    return end;
                }
            }
            row.verdict = verdict ? *verdict : WordVerdict::NoLexicon;
        }

        if (human && row.verdict == WordVerdict::Valid && RoundScoring::CopiesSourceWord(row.word, input.sourceWord)) {
            row.verdict = RoundScoring::CopiedVerdict;
            dialogs.Inform(RoundScoring::CopiedWordMessage(row.word, row.name));
            if (!StillCurrent(hooks)) {
                end.kind = PassEnd::Kind::Overtaken;
                return end;
            }
        }

        if (human && row.verdict == WordVerdict::Unknown && !row.confirmed) {
            end.kind = PassEnd::Kind::Confirm;
            end.player = p;
            return end;
        }

        row.wordPoints = RoundScoring::WordPoints(*row.verdict, row.word);
        end.best.Add(p, row.wordPoints);
        if (hooks.rowShown)
            hooks.rowShown(p, row);
    }
    return end;
}

}  // namespace

QStringList ResultsBoardOutcome::ScoreLabels() const
{
    QStringList labels;
    for (const ResultsBoardRow& row : rows)
        labels.append(row.ScoreLabelText());
    return labels;
}

std::optional<ResultsBoardOutcome> ResultsBoard::Evaluate(ResultsBoardInput input, Dialogs& dialogs, Hooks hooks)
{
    ResultsBoardOutcome outcome;
    outcome.confirmChoice = input.confirmChoice;
    Rows& rows = outcome.rows;

    PassEnd end = RunPass(rows, input, dialogs, hooks);
    while (end.kind == PassEnd::Kind::Confirm) {
        ResultsBoardRow& row = rows[end.player];
        const int choice = hooks.confirm ? hooks.confirm(row.word, outcome.confirmChoice) : kDoNotAdd;
        if (!StillCurrent(hooks))
            return std::nullopt;
        row.confirmChoice = choice == kAddAndScore || choice == kAddWithoutScore ? choice : kDoNotAdd;
        outcome.confirmChoice = choice;
        if (row.confirmChoice != kDoNotAdd) {
            // A vocabulary that cannot be written costs the player the entry, not the
            // decision: the choice still applies to this manche.
            PersonalVocabulary::AppendWord(input.lexiconLanguage, row.word.trimmed().toUpper());
        }
        if (row.confirmChoice == kAddAndScore)
            row.verdict = WordVerdict::Valid;
        row.confirmed = true;
        end = RunPass(rows, input, dialogs, hooks);
    }
    if (end.kind == PassEnd::Kind::Overtaken)
        return std::nullopt;

    const int bonus = RoundScoring::TimeBonus(input.finishSeconds);
    for (int p = 0; p < GameState::kPlayers; ++p) {
        ResultsBoardRow& row = rows[p];
        row.bonus = end.best.SoleBest(p) ? bonus : 0;
        row.total = RoundScoring::AddToTotal(input.totals[p], row.Points());
        outcome.totals[p] = row.total;
    }
    const std::array<int, GameState::kPlayers> ranks = RoundScoring::Ranks(outcome.totals);
    for (int p = 0; p < GameState::kPlayers; ++p)
        rows[p].rank = ranks[p];
    outcome.bestPlayer = end.best.BestPlayer();
    outcome.tieCount = end.best.TieCount();
    return outcome;
}
