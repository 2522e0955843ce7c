#include "manche_flow.h"

#include "dialogs.h"
#include "game_state.h"
#include "round_clock.h"

#include <functional>
#include <utility>

namespace {

template <typename Hook, typename... Args>
void Run(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

// Opens a modal window from a copy of its hook: the flow, and the hooks it holds,
// may be destroyed before the window closes.
template <typename Result>
Result RunModal(std::function<Result()> hook, Result fallback)
{
    return hook ? hook() : fallback;
}

void RunModal(std::function<void()> hook)
{
    if (hook)
        hook();
}

}  // namespace

MancheFlow::MancheFlow(GameState& state, RoundClock& clock, Dialogs& dialogs, Hooks hooks)
    : state_(state), clock_(clock), dialogs_(dialogs), hooks_(std::move(hooks))
{
}

MancheFlow::~MancheFlow()
{
    *alive_ = false;
}

QString MancheFlow::MancheLabel(int manche)
{
    return QStringLiteral("Manche ") + QString::number(manche) + QStringLiteral("/") +
           QString::number(kManchesPerGame);
}

void MancheFlow::EndOfManche()
{
    const std::shared_ptr<bool> alive = alive_;
    const std::uint64_t generation = ++generation_;
    clock_.Stop();

    RunModal(hooks_.showResults);
    if (!StillCurrent(alive, generation))
        return;

    ResetForNextManche();
    ++state_.MancheNumber;
    if (state_.MancheNumber <= kManchesPerGame)
        Run(hooks_.setMancheLabel, MancheLabel(state_.MancheNumber));
    else
        EndOfGame(alive, generation);
}

void MancheFlow::EndOfGame(const std::shared_ptr<bool>& alive, std::uint64_t generation)
{
    state_.GameOver = true;
    RunModal(hooks_.showHighScores);
    if (!StillCurrent(alive, generation))
        return;
    const EndOfGameChoice choice = RunModal(hooks_.showEndOfGame, EndOfGameChoice::PlayAgain);
    if (!StillCurrent(alive, generation) || choice == EndOfGameChoice::Quit)
        return;
    NewGame();
}

void MancheFlow::ResetForNextManche()
{
    clock_.Stop();
    EmptyDraw();
    Run(hooks_.resetForNextManche);
}

void MancheFlow::EmptyDraw()
{
    state_.DrawnLetters.clear();
    // The source word belongs to the draw made from it; a later draw of single
    // letters must not be judged against it.
    state_.SourceWord.clear();
    state_.VowelsDrawn = 0;
    state_.ConsonantsDrawn = 0;
    state_.FoundWords.clear();
    state_.ElapsedSeconds = 0;
    for (PlayerSlot& player : state_.Players)
        player.Word.clear();
}

void MancheFlow::NewGame()
{
    ++generation_;
    clock_.Stop();
    EmptyDraw();
    state_.TotalScores.fill(0);
    state_.MancheNumber = 1;
    state_.GameOver = false;
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
    ++generation_;
    clock_.Stop();
}
