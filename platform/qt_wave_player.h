#pragma once

#include "wave_player.h"

#include <memory>

class QSoundEffect;

// Wave playback through Qt Multimedia's QSoundEffect; the next sound replaces the last.
class QtWavePlayer : public WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;
    void Play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
