// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/round_clock.h"

#include "game/core/announcement.h"
#include "model/game_state.h"
#include "game/core/sound_effects.h"

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

void RoundClock::SetPeriod(int ms, std::chrono::milliseconds firstAfter)
{
    periodMs_ = ms;
    Run(hooks_.setTimerPeriod, ms, firstAfter);
}

void RoundClock::Start()
{
    state_.ElapsedSeconds = 0;
    SetPeriod(kNormalPeriodMs);
}

void RoundClock::Stop()
{
    periodMs_ = 0;
    Run(hooks_.stopTimer);
}

void RoundClock::ClockTick()
{
    // A timeout queued before Stop is not a second of this manche, and none passes
    // while a modal window holds the game.
    if (!Running() || (hooks_.suspended && hooks_.suspended()))
        return;
    Tick();
}

void RoundClock::Tick()
{
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
    // The window's hooks may have stopped the clock (a new game).
    if (!Running())
        return;

    if (state_.ElapsedSeconds >= state_.Settings.RoundSeconds)
        EndManche();
    else if (state_.ElapsedSeconds == state_.Settings.RoundSeconds - kAnnounceBeforeEnd)
        Announce();
}

void RoundClock::Announce()
{
    if (!FastForwarding())
        sounds_.PlayRepeated(kAnnounceSound, 2);
    // Every computer slot, the first too: on-line a computer may hold seat 1.
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerSlot& player = state_.Players[slot];
        if (!IsComputerPlayer(player.Name))
            continue;
        player.Word = Announcement::ChooseWord(static_cast<int>(state_.Settings.Level), state_.FoundWords,
                                               state_.DrawnLetters, random_);
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
    // Last step, from a copy of the hook: whatever it does to its owner (a new game,
    // the window closing), nothing of the clock is touched afterwards.
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
    const std::chrono::milliseconds hold = sounds_.PlaySound(kFinishSound);
    state_.FinishSeconds = state_.ElapsedSeconds;
    if (Unlimited() && state_.ElapsedSeconds < kUnlimitedFinishSeconds)
        state_.ElapsedSeconds = kUnlimitedFinishSeconds;
    SetPeriod(kFastForwardPeriodMs, hold);
}
