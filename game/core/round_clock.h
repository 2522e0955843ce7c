// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"

#include <QRectF>
#include <QString>

#include <chrono>
#include <functional>

class RandomSource;
class SoundEffects;
struct GameState;

// The manche clock: one tick a second while a manche runs, one a millisecond once
// the human has finished early, off between manches. It counts ElapsedSeconds,
// paints the time bar, plays the tick, makes the computer players announce ten
// seconds before the end and ends the manche when the time is up.
//
// It owns no timer. Its game passes the wiring on to whoever holds the game (the
// main window keeps one QTimer, a test ticks by hand):
//     timer.timeout                      -> clock.ClockTick()
//     hooks.setTimerPeriod(ms, after)    -> timer.start(ms), its first tick `after` later
//     hooks.stopTimer()                  -> timer.stop()
//     hooks.suspended()                  -> a modal window is open
// Tests call ClockTick directly and never sleep.
//
// While a modal window is open (a message box, the results, the vocabulary editor)
// the clock waits: a tick that arrives then is dropped, so the clock goes on from
// where it was, one tick at a time, once the window has closed. A tick of a stopped
// clock does nothing, and "finished" only acts while the clock runs at its normal
// period (never twice, never after the end of the manche).
class RoundClock {
public:
    static constexpr int kNormalPeriodMs = 1000;
    static constexpr int kFastForwardPeriodMs = 1;
    // "Finished" in an unlimited manche jumps here, so that the announcement at
    // 32000 - 10 still comes on the next tick.
    static constexpr int kUnlimitedFinishSeconds = 31989;
    // FinishSeconds of a manche that ran out of time: no time bonus.
    static constexpr int kTimeUpFinishSeconds = 60;
    static constexpr int kAnnounceBeforeEnd = GameRules::kAnnounceBeforeEnd;

    static inline const QString kTickSound = QStringLiteral("TIC.WAV");
    static inline const QString kAnnounceSound = QStringLiteral("Sound2.wav");
    static inline const QString kFinishSound = QStringLiteral("SOUND2.wav");
    static inline const QString kUnlimitedLabel = QStringLiteral("Infinito");

    // What the clock's owner (the game) does for it. Any hook may be left empty.
    struct Hooks {
        // (Re)starts the holder's timer at `ms` milliseconds, the first tick
        // `firstAfter` from now when that is longer than a period.
        std::function<void(int ms, std::chrono::milliseconds firstAfter)> setTimerPeriod;
        std::function<void()> stopTimer;
        // Paints second `elapsed` of the time bar in dark blue (palette colour 1,
        // RGB 0, 0, 128); TimeSlice gives the box.
        std::function<void(int elapsed, int roundSeconds)> paintTimeSlice;
        std::function<void(const QString& text)> setTimeLabel;
        // Fast-forward ticks hide the second "finished" button.
        std::function<void()> hideSecondFinishButton;
        // Writes the word a computer player (any slot) announces into its word
        // box; the clock has already stored it in Players[slot].Word.
        std::function<void(int slot, const QString& word)> announceWord;
        // The manche is over and the clock stopped: the end-of-manche sequence
        // (results window and the rest; MancheFlow::EndOfManche).
        std::function<void()> endOfManche;
        // True while a modal window is open: ticks are dropped meanwhile.
        std::function<bool()> suspended;
    };

    RoundClock(GameState& state, SoundEffects& sounds, RandomSource& random, Hooks hooks);
    RoundClock(const RoundClock&) = delete;
    RoundClock& operator=(const RoundClock&) = delete;

    // The draw is complete: ElapsedSeconds from 0, one tick a second.
    void Start();
    // Between manches, at a new game, on closing: no more ticks.
    void Stop();

    // One tick: counts the second, ticks (or hides the second "finished" button when
    // fast-forwarding), paints the bar and the label, ends the manche once
    // ElapsedSeconds reaches RoundSeconds, and makes the computers announce at
    // RoundSeconds - 10. Does nothing while the clock is off or suspended.
    void ClockTick();

    // The "finished" buttons and Enter in a word box: remembers the second in
    // FinishSeconds and lets the rest of the manche run out at 1 ms a tick, once the
    // finish sound's hold is over.
    void FinishNow();

    // Current period in ms; 0 while the clock is off.
    int Period() const { return periodMs_; }
    bool Running() const { return periodMs_ != 0; }
    bool FastForwarding() const { return periodMs_ == kFastForwardPeriodMs; }

    // "12 / 60 Sec.", or "Infinito" for an unlimited manche.
    static QString TimeLabel(int elapsed, int roundSeconds);
    // The box of second `elapsed` on a bar of the given size: slice width w =
    // barWidth / roundSeconds, from (elapsed - 1) * w to elapsed * w - 2 across the
    // whole height. The 2-unit gap between slices is never more than half a slice,
    // so a narrow bar still fills. Empty for a roundSeconds of 0 or less.
    static QRectF TimeSlice(int elapsed, int roundSeconds, double barWidth, double barHeight);

private:
    void Tick();
    bool Unlimited() const;
    void SetPeriod(int ms, std::chrono::milliseconds firstAfter = std::chrono::milliseconds(0));
    void Announce();
    void EndManche();

    GameState& state_;
    SoundEffects& sounds_;
    RandomSource& random_;
    Hooks hooks_;
    int periodMs_ = 0;
};
