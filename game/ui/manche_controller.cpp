// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/manche_controller.h"

#include "platform/core/dialogs.h"
#include "scoring/ui/end_of_game_window.h"
#include "game/ui/fill_strip.h"
#include "game/core/game.h"
#include "game/core/manche_flow.h"
#include "game/core/round_clock.h"
#include "game/ui/game_view.h"
#include "scoring/ui/high_score_window.h"
#include "game/ui/pause_control.h"
#include "platform/core/platform.h"
#include "game/ui/results_judging.h"
#include "game/core/spoken_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The time bar's blue, colour 1 of the 16-colour palette.
const QColor kTimeBarColor(0, 0, 128);

}  // namespace

MancheController::MancheController(Game& game, const Platform& platform, const ProgramFiles& files, GameView& view, ResultsWindow& results,
                                   Hooks hooks, QWidget* window)
    : QObject(window),
      game_(game),
      platform_(platform),
      files_(files),
      view_(view),
      judging_(new ResultsJudging(game, results, hooks.beforeJudging, this)),
      hooks_(std::move(hooks)),
      window_(window),
      timer_(new QTimer(this)),
      delayedStart_(new QTimer(this))
{
    pause_ = new PauseControl(game_.Clock(), view_, this);
    delayedStart_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &MancheController::Tick);
    for (int i = 0; i < 2; ++i)
        connect(view_.FinishButton(i), &QPushButton::clicked, this, [this] { FinishNow(); });
    ConnectClock();
    ConnectFlow();
}

MancheController::~MancheController() = default;

EndOfGameWindow* MancheController::EndOfGame() const
{
    return endOfGame_;
}

const RoundClock& MancheController::Clock() const
{
    return game_.Clock();
}

void MancheController::SetTimerPeriod(int ms, std::chrono::milliseconds firstAfter)
{
    delayedStart_->disconnect();
    delayedStart_->stop();
    if (ms == 0) {
        timer_->stop();
        return;
    }
    if (firstAfter.count() <= ms) {
        timer_->start(ms);
        return;
    }
    timer_->stop();
    connect(delayedStart_, &QTimer::timeout, timer_, [this, ms] { timer_->start(ms); });
    delayedStart_->start(firstAfter);
}

void MancheController::Tick()
{
    // No second of the manche passes while a message, the results or any other modal
    // window holds the game: the tick is dropped and the next one goes on.
    // A pause holds the clock the same way.
    game_.SetSuspended(platform_.dialogs.ModalOpen() || (pause_ && pause_->Paused()));
    game_.Tick();
}

void MancheController::ConnectClock()
{
    connect(&game_, &Game::timerPeriodChanged, this, &MancheController::SetTimerPeriod);
    connect(&game_, &Game::timeSlicePassed, this, [this](int elapsed, int roundSeconds) {
        FillStrip* bar = view_.TimeBar();
        bar->FillBox(RoundClock::TimeSlice(elapsed, roundSeconds, bar->InnerWidth(), bar->InnerHeight()),
                     kTimeBarColor);
    });
    connect(&game_, &Game::timeLabelChanged, this, [this](const QString& text) {
        view_.TimeLabel()->setText(text);
        SpeakSecondsLeft();
    });
    connect(&game_, &Game::secondFinishButtonHidden, this, [this] { view_.FinishButton(1)->hide(); });
    // The computer's box was masked by the draw, so the word stays hidden.
    connect(&game_, &Game::wordAnnounced, this, [this](int slot, const QString& word) {
        view_.ShowAnnouncedWord(slot, word);
        // Running out after "finished", the results follow at once: nothing to say.
        if (!game_.FastForwarding())
            view_.SpokenLine()->SayAnnounced(slot + 1, static_cast<int>(word.trimmed().size()));
    });
}

void MancheController::ConnectFlow()
{
    connect(&game_, &Game::nextMancheReady, this, [this] {
        pause_->Clear();
        if (hooks_.resetForNextManche)
            hooks_.resetForNextManche();
    });
    // Said as well as shown: the players wait for the draw of this manche.
    connect(&game_, &Game::mancheStarted, this, [this](int manche) {
        const QString text = MancheFlow::MancheLabel(manche);
        view_.MancheLabel()->setText(text);
        view_.SpokenLine()->Say(text);
    });
    connect(&game_, &Game::gameEnded, this, &MancheController::ShowHighScores);
    connect(&game_, &Game::endOfGameReached, this, &MancheController::ShowEndOfGame);
    connect(&game_, &Game::newGameStarted, this, [this] {
        pause_->Clear();
        if (hooks_.resetForNewGame)
            hooks_.resetForNewGame();
        view_.SpokenLine()->Say(SpokenText::kNewGame);
    });
}

void MancheController::SpeakSecondsLeft()
{
    const int roundSeconds = game_.Settings().RoundSeconds;
    const bool unlimited = roundSeconds == GameSettings::kUnlimitedSeconds;
    const int elapsed = game_.ElapsedSeconds();
    if (game_.FastForwarding() || !SpokenText::SaysSecondsLeftAt(elapsed, roundSeconds, unlimited))
        return;
    view_.SpokenLine()->Say(SpokenText::SecondsLeft(roundSeconds - elapsed));
}

void MancheController::SayTimeNow()
{
    const int roundSeconds = game_.Settings().RoundSeconds;
    view_.SpokenLine()->Say(SpokenText::TimeNow(game_.ClockRunning(), game_.ElapsedSeconds(), roundSeconds,
                                                roundSeconds == GameSettings::kUnlimitedSeconds));
}

void MancheController::ShowHighScores()
{
    HighScoreWindow* window = HighScoreWindow::OpenAfterGame(game_.View(), platform_, files_, window_);
    connect(window, &QDialog::finished, &game_, &Game::HighScoresClosed);
}

void MancheController::ShowEndOfGame()
{
    // Made on first use and kept hidden for the rest of the run.
    if (!endOfGame_) {
        endOfGame_ = new EndOfGameWindow(window_);
        connect(endOfGame_, &EndOfGameWindow::NewGameRequested, this,
                [this] { game_.EndOfGameClosed(true); });
        connect(endOfGame_, &EndOfGameWindow::QuitRequested, this, [this] {
            game_.EndOfGameClosed(false);
            if (hooks_.endProgram)
                hooks_.endProgram();
        });
    }
    endOfGame_->Open(game_.View());
}

void MancheController::StartClock()
{
    game_.StartClock();
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
    game_.FinishNow();
}

void MancheController::NewGame()
{
    game_.NewGame();
}

void MancheController::BoardClicked()
{
    game_.BoardClicked();
}

void MancheController::Abandon()
{
    game_.Abandon();
    judging_->Abandon();
}
