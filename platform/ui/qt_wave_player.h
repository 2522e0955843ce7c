// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/wave_player.h"

#include <array>
#include <functional>
#include <memory>

class QSoundEffect;

// Wave playback through Qt Multimedia's QSoundEffect, from a small pool of players:
// the tick, a letter's sound and the announcement may overlap, and a new sound never
// cuts one still playing unless every player of the pool is busy.
// A machine without sound gets one line on standard error, not one per sound played.
class QtWavePlayer : public WavePlayer {
public:
    // Whether the system has an audio output to play on; the default asks Qt Multimedia.
    using OutputCheck = std::function<bool()>;

    explicit QtWavePlayer(OutputCheck hasOutput = {});
    ~QtWavePlayer() override;
    void Play(const QString& path) override;
    bool HasOutput() const override { return hasOutput_(); }

private:
    void ReportOnce(const QString& problem);

    static constexpr std::size_t kPlayers = 4;
    std::array<std::unique_ptr<QSoundEffect>, kPlayers> players_;
    std::size_t next_ = 0;  // the player to reuse when all are busy: the one started longest ago
    OutputCheck hasOutput_;
    bool reported_ = false;
};
