#pragma once

#include <QString>

class Clock;
class WavePlayer;
struct GameState;

// Every sound of the game: a wave file of the program folder, played when sound
// effects are on, followed by a fixed hold of 0.6 seconds that paces the game (the
// tile fly-in, the clock's tick). The hold lets no window event run.
class SoundEffects {
public:
    static constexpr double kHoldSeconds = 0.6;
    // The hold sleeps in slices this long and re-reads the time after each one, so
    // it costs no CPU and still notices a clock that jumps back at midnight.
    static constexpr double kSliceSeconds = 0.015;

    SoundEffects(const GameState& state, WavePlayer& wave, Clock& clock);

    // Plays `fileName` (matched in the current folder without regard to case) and
    // holds 0.6 s. Does nothing for an empty name or while SoundOn is off; a missing
    // file plays nothing and is not reported, but the hold still happens.
    void PlaySound(const QString& fileName);

private:
    void Hold();

    const GameState& state_;
    WavePlayer& wave_;
    Clock& clock_;
};
