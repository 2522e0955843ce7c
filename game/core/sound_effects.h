// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class ProgramFiles;
class WavePlayer;

// Every sound of the game: a wave file of the program folder, played when sound
// effects are on. A sound is followed by a fixed hold of 0.6 seconds that paces the
// game's sequences (the next tile of a draw, the second note of the announcement);
// the hold is a wait on a timer that the caller schedules, never a sleep, so the
// window keeps painting and answering meanwhile.
class SoundEffects {
public:
    static constexpr std::chrono::milliseconds kHold{600};

    // Sounds of `files`, played while `soundOn` (the player's setting) is true; both
    // kept by the caller.
    SoundEffects(const bool& soundOn, WavePlayer& wave, const ProgramFiles& files);

    // Plays `fileName` (matched in the program folder without regard to case) and
    // returns the hold its caller waits before the next step: none for an empty name
    // or while the sound is off, or when the machine has no audio output. A missing file
    // plays nothing and is not reported, but the hold still applies.
    std::chrono::milliseconds PlaySound(const QString& fileName);

    // Plays the sound `times` times, one hold apart, without holding the caller.
    // Repeats still pending when the effects are destroyed are dropped.
    void PlayRepeated(const QString& fileName, int times);

    // The hold after each sound; tests shorten it.
    std::chrono::milliseconds Hold() const { return hold_; }
    void SetHold(std::chrono::milliseconds hold) { hold_ = hold; }

private:
    const bool& soundOn_;
    WavePlayer& wave_;
    const ProgramFiles& files_;
    std::chrono::milliseconds hold_ = kHold;
    // Parent of the timers of pending repeats.
    QObject repeats_;
};
