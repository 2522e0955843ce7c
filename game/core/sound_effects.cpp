#include "sound_effects.h"

#include "clock.h"
#include "game_state.h"
#include "program_folder.h"
#include "wave_player.h"

#include <algorithm>

SoundEffects::SoundEffects(const GameState& state, WavePlayer& wave, Clock& clock)
    : state_(state), wave_(wave), clock_(clock)
{
}

void SoundEffects::PlaySound(const QString& fileName)
{
    if (fileName.isEmpty() || !state_.Settings.SoundOn)
        return;
    wave_.Play(ProgramFolder::Resolve(fileName));
    Hold();
}

void SoundEffects::Hold()
{
    // The hold ends once more than 0.6 s have passed, or at once when the time of day
    // has gone back by more than 0.6 s (it starts again from 0 at midnight).
    const double start = clock_.SecondsSinceMidnight();
    // A clock that never moves would hold for ever; no real hold needs more than
    // twice its length in requested sleep.
    double requested = 0;
    for (;;) {
        const double elapsed = clock_.SecondsSinceMidnight() - start;
        if (elapsed > kHoldSeconds || elapsed <= -kHoldSeconds || requested > 2 * kHoldSeconds)
            return;
        // Sleep to just past the end rather than a whole slice when little is left.
        const double slice = std::clamp(kHoldSeconds - elapsed + 0.001, 0.001, kSliceSeconds);
        clock_.Sleep(slice);
        requested += slice;
    }
}
