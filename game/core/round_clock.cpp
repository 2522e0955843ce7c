#include "round_clock.h"

#include "announcement.h"
#include "game_state.h"
#include "sound_effects.h"

#include <algorithm>
#include <utility>

namespace {

template <typename Hook, typename... Args>
void Run(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

constexpr double kSliceGap = 2;

}  // namespace

RoundClock::RoundClock(GameState& state, SoundEffects& sounds, RandomSource& random, Hooks hooks)
    : state_(state), sounds_(sounds), random_(random), hooks_(std::move(hooks))
{
}

RoundClock::~RoundClock()
{
    *alive_ = false;
}

QString RoundClock::TimeLabel(int elapsed, int roundSeconds)
{
    if (roundSeconds == GameSettings::kUnlimitedSeconds)
        return kUnlimitedLabel;
    return QString::number(elapsed) + QStringLiteral(" / ") + QString::number(roundSeconds) +
           QStringLiteral(" Sec.");
}

QRectF RoundClock::TimeSlice(int elapsed, int roundSeconds, double barWidth, double barHeight)
{
    if (roundSeconds <= 0 || barWidth <= 0)
        return {};
    const double width = barWidth / roundSeconds;
    const double gap = std::min(kSliceGap, width / 2);
    const double left = (elapsed - 1) * width;
    const double right = elapsed * width - gap;
    return QRectF(left, 0, std::max(0.0, right - left), barHeight);
}

bool RoundClock::Unlimited() const
{
    return state_.Settings.RoundSeconds == GameSettings::kUnlimitedSeconds;
}

void RoundClock::SetPeriod(int ms)
{
    periodMs_ = ms;
    Run(hooks_.setTimerPeriod, ms);
}

void RoundClock::Start()
{
    ++run_;
    state_.ElapsedSeconds = 0;
    SetPeriod(kNormalPeriodMs);
}

void RoundClock::Stop()
{
    ++run_;
    periodMs_ = 0;
    Run(hooks_.stopTimer);
}

void RoundClock::ClockTick()
{
    // A timeout queued before Stop, or one delivered by an event loop that a hook
    // of the running tick has opened, is not a second of this manche.
    if (inTick_ || !Running())
        return;
    const std::shared_ptr<bool> alive = alive_;
    inTick_ = true;
    Tick();
    if (*alive)
        inTick_ = false;
}

void RoundClock::Tick()
{
    const unsigned run = run_;
    ++state_.ElapsedSeconds;
    if (FastForwarding())
        Run(hooks_.hideSecondFinishButton);
    else
        sounds_.PlaySound(kTickSound);

    const int elapsed = state_.ElapsedSeconds;
    const int roundSeconds = state_.Settings.RoundSeconds;
    if (!Unlimited())
        Run(hooks_.paintTimeSlice, elapsed, roundSeconds);
    Run(hooks_.setTimeLabel, TimeLabel(elapsed, roundSeconds));
    if (!SameRun(run))
        return;

    if (state_.ElapsedSeconds >= state_.Settings.RoundSeconds)
        EndManche();
    else if (state_.ElapsedSeconds == state_.Settings.RoundSeconds - kAnnounceBeforeEnd)
        Announce(run);
}

void RoundClock::Announce(unsigned run)
{
    if (!FastForwarding()) {
        sounds_.PlaySound(kAnnounceSound);
        sounds_.PlaySound(kAnnounceSound);
    }
    for (int slot = 1; slot < GameState::kPlayers && SameRun(run); ++slot) {
        PlayerSlot& player = state_.Players[slot];
        if (!IsComputerPlayer(player.Name))
            continue;
        player.Word = Announcement::ChooseWord(static_cast<int>(state_.Settings.Level), state_.FoundWords, state_.DrawnLetters, random_);
        Run(hooks_.announceWord, slot, player.Word);
    }
}

void RoundClock::EndManche()
{
    state_.ElapsedSeconds = 0;
    // Ran out of time at the normal period, without "finished": no bonus time.
    if (periodMs_ > kFastForwardPeriodMs)
        state_.FinishSeconds = kTimeUpFinishSeconds;
    Stop();
    // Last step: the hook may open modal windows, start a new game or even destroy
    // this clock, so nothing of it is touched afterwards, and the hook runs from a
    // copy that outlives the clock.
    const std::function<void()> endOfManche = hooks_.endOfManche;
    Run(endOfManche);
}

void RoundClock::FinishNow()
{
    // Only a manche running at its normal pace can be finished: before the draw is
    // complete, after the end of the manche, or a second time, it is ignored (a
    // second press would move FinishSeconds away from the first one).
    if (periodMs_ != kNormalPeriodMs)
        return;
    sounds_.PlaySound(kFinishSound);
    state_.FinishSeconds = state_.ElapsedSeconds;
    if (Unlimited() && state_.ElapsedSeconds < kUnlimitedFinishSeconds)
        state_.ElapsedSeconds = kUnlimitedFinishSeconds;
    SetPeriod(kFastForwardPeriodMs);
}
