// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/manche_flow.h"

#include "platform/core/dialogs.h"
#include "game/core/game_resets.h"
#include "model/game_state.h"
#include "game/core/round_clock.h"

#include <functional>
#include <utility>

namespace {

// Runs a hook from a copy: a hook that opens a window may see the flow, and the
// hooks it holds, destroyed before it returns (the main window closing).
template <typename Hook, typename... Args>
void Run(const Hook& hook, Args&&... args)
{
    const Hook copy = hook;
    if (copy)
        copy(std::forward<Args>(args)...);
}

}  // namespace

MancheFlow::MancheFlow(GameState& state, RoundClock& clock, Dialogs& dialogs, Hooks hooks)
    : state_(state), clock_(clock), dialogs_(dialogs), hooks_(std::move(hooks))
{
}

QString MancheFlow::MancheLabel(int manche)
{
    return QStringLiteral("Manche ") + QString::number(manche) + QStringLiteral("/") +
           QString::number(kManchesPerGame);
}

void MancheFlow::EndOfManche()
{
    clock_.Stop();
    waiting_ = Waiting::Results;
    Run(hooks_.showResults);
}

void MancheFlow::ResultsClosed()
{
    if (waiting_ != Waiting::Results)
        return;
    waiting_ = Waiting::Nothing;
    ResetForNextManche();
    ++state_.MancheNumber;
    if (state_.MancheNumber <= kManchesPerGame) {
        Run(hooks_.setMancheLabel, MancheLabel(state_.MancheNumber));
        return;
    }
    state_.GameOver = true;
    waiting_ = Waiting::HighScores;
    Run(hooks_.showHighScores);
}

void MancheFlow::HighScoresClosed()
{
    if (waiting_ != Waiting::HighScores)
        return;
    waiting_ = Waiting::EndOfGame;
    Run(hooks_.showEndOfGame);
}

void MancheFlow::EndOfGameClosed(EndOfGameChoice choice)
{
    if (waiting_ != Waiting::EndOfGame)
        return;
    waiting_ = Waiting::Nothing;
    if (choice == EndOfGameChoice::PlayAgain)
        NewGame();
}

void MancheFlow::ResetForNextManche()
{
    clock_.Stop();
    GameResets::ForNewManche(state_);
    Run(hooks_.resetForNextManche);
}

void MancheFlow::NewGame()
{
    waiting_ = Waiting::Nothing;
    clock_.Stop();
    GameResets::ForNewGame(state_);
    Run(hooks_.newGame);
    Run(hooks_.setMancheLabel, MancheLabel(1));
}

void MancheFlow::BoardClicked()
{
    if (hintShown_)
        return;
    hintShown_ = true;
    dialogs_.Inform(kBoardHint);
}

void MancheFlow::Abandon()
{
    waiting_ = Waiting::Nothing;
    clock_.Stop();
}
