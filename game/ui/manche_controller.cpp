// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/manche_controller.h"

#include "platform/core/dialogs.h"
#include "scoring/ui/end_of_game_window.h"
#include "game/ui/fill_strip.h"
#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "scoring/ui/high_score_window.h"
#include "lexicon/core/lexicon_source.h"
#include "game/ui/pause_control.h"
#include "platform/core/platform.h"
#include "scoring/ui/results_window.h"
#include "game/core/spoken_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The time bar's blue, colour 1 of the 16-colour palette.
const QColor kTimeBarColor(0, 0, 128);

}  // namespace

MancheController::MancheController(GameState& state, const Platform& platform, const ProgramFiles& files,
                                   SoundEffects& sounds, GameView& view, ResultsWindow& results, Hooks hooks, QWidget* window)
    : QObject(window),
      state_(state),
      platform_(platform),
      files_(files),
      view_(view),
      results_(results),
      hooks_(std::move(hooks)),
      window_(window),
      timer_(new QTimer(this)),
      delayedStart_(new QTimer(this)),
      clock_(state, sounds, platform.random, ClockHooks()),
      flow_(state, clock_, platform.dialogs, FlowHooks())
{
    pause_ = new PauseControl(clock_, view_, this);
    delayedStart_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { clock_.ClockTick(); });
    connect(&results_, &ResultsWindow::Judged, this,
            [this](const ResultsBoardOutcome& outcome) { state_.TotalScores = outcome.totals; });
    connect(&results_, &QDialog::finished, this, [this] { flow_.ResultsClosed(); });
    for (int i = 0; i < 2; ++i)
        connect(view_.FinishButton(i), &QPushButton::clicked, this, [this] { FinishNow(); });
}

MancheController::~MancheController() = default;

EndOfGameWindow* MancheController::EndOfGame() const
{
    return endOfGame_;
}

RoundClock::Hooks MancheController::ClockHooks()
{
    RoundClock::Hooks hooks;
    hooks.setTimerPeriod = [this](int ms, std::chrono::milliseconds firstAfter) {
        delayedStart_->disconnect();
        delayedStart_->stop();
        if (firstAfter.count() <= ms) {
            timer_->start(ms);
            return;
        }
        timer_->stop();
        connect(delayedStart_, &QTimer::timeout, timer_, [this, ms] { timer_->start(ms); });
        delayedStart_->start(firstAfter);
    };
    hooks.stopTimer = [this] {
        delayedStart_->stop();
        timer_->stop();
    };
    // No second of the manche passes while a message, the results or any other modal
    // window holds the game: the tick is dropped and the next one goes on.
    // A pause holds the clock the same way.
    hooks.suspended = [this] { return platform_.dialogs.ModalOpen() || (pause_ && pause_->Paused()); };
    hooks.paintTimeSlice = [this](int elapsed, int roundSeconds) {
        FillStrip* bar = view_.TimeBar();
        bar->FillBox(RoundClock::TimeSlice(elapsed, roundSeconds, bar->InnerWidth(), bar->InnerHeight()),
                     kTimeBarColor);
    };
    hooks.setTimeLabel = [this](const QString& text) {
        view_.TimeLabel()->setText(text);
        SpeakSecondsLeft();
    };
    hooks.hideSecondFinishButton = [this] { view_.FinishButton(1)->hide(); };
    // The computer's box was masked by the draw, so the word stays hidden.
    hooks.announceWord = [this](int slot, const QString& word) {
        view_.ShowAnnouncedWord(slot, word);
        // Running out after "finished", the results follow at once: nothing to say.
        if (!clock_.FastForwarding())
            view_.SpokenLine()->SayAnnounced(slot + 1, static_cast<int>(word.trimmed().size()));
    };
    hooks.endOfManche = [this] { flow_.EndOfManche(); };
    return hooks;
}

MancheFlow::Hooks MancheController::FlowHooks()
{
    MancheFlow::Hooks hooks;
    hooks.showResults = [this] { ShowResults(); };
    hooks.resetForNextManche = [this] {
        pause_->Clear();
        if (hooks_.resetForNextManche)
            hooks_.resetForNextManche();
    };
    // Said as well as shown: the players wait for the draw of this manche.
    hooks.setMancheLabel = [this](const QString& text) {
        view_.MancheLabel()->setText(text);
        view_.SpokenLine()->Say(text);
    };
    hooks.showHighScores = [this] { ShowHighScores(); };
    hooks.showEndOfGame = [this] { ShowEndOfGame(); };
    hooks.newGame = [this] {
        pause_->Clear();
        results_.Abandon();
        if (hooks_.resetForNewGame)
            hooks_.resetForNewGame();
        view_.SpokenLine()->Say(SpokenText::kNewGame);
    };
    return hooks;
}

void MancheController::SpeakSecondsLeft()
{
    const int roundSeconds = state_.Settings.RoundSeconds;
    const bool unlimited = roundSeconds == GameState::kUnlimitedSeconds;
    if (clock_.FastForwarding() || !SpokenText::SaysSecondsLeftAt(state_.ElapsedSeconds, roundSeconds, unlimited))
        return;
    view_.SpokenLine()->Say(SpokenText::SecondsLeft(roundSeconds - state_.ElapsedSeconds));
}

void MancheController::SayTimeNow()
{
    const int roundSeconds = state_.Settings.RoundSeconds;
    view_.SpokenLine()->Say(SpokenText::TimeNow(clock_.Running(), state_.ElapsedSeconds, roundSeconds,
                                                roundSeconds == GameState::kUnlimitedSeconds));
}

void MancheController::ShowResults()
{
    // The words are read from the boxes as the players left them.
    results_.StartManche(state_, state_.Players, hooks_.lexicon ? hooks_.lexicon() : LexiconSource{});
}

void MancheController::ShowHighScores()
{
    HighScoreWindow* window = HighScoreWindow::OpenAfterGame(state_, platform_, files_, window_);
    connect(window, &QDialog::finished, this, [this] { flow_.HighScoresClosed(); });
}

void MancheController::ShowEndOfGame()
{
    // Made on first use and kept hidden for the rest of the run.
    if (!endOfGame_) {
        endOfGame_ = new EndOfGameWindow(window_);
        connect(endOfGame_, &EndOfGameWindow::NewGameRequested, this,
                [this] { flow_.EndOfGameClosed(MancheFlow::EndOfGameChoice::PlayAgain); });
        connect(endOfGame_, &EndOfGameWindow::QuitRequested, this, [this] {
            flow_.EndOfGameClosed(MancheFlow::EndOfGameChoice::Quit);
            if (hooks_.endProgram)
                hooks_.endProgram();
        });
    }
    endOfGame_->Open(state_);
}

void MancheController::StartClock()
{
    clock_.Start();
}

void MancheController::SetBoard(QWidget* board)
{
    pause_->SetBoard(board);
}

void MancheController::FinishNow()
{
    // A paused manche is finished only once it resumes.
    if (pause_->Paused())
        return;
    clock_.FinishNow();
}

void MancheController::NewGame()
{
    flow_.NewGame();
}

void MancheController::BoardClicked()
{
    flow_.BoardClicked();
}

void MancheController::Abandon()
{
    flow_.Abandon();
    results_.Abandon();
}
