#pragma once

#include <QString>

// Asynchronous wave playback: Play returns at once; a new sound replaces the one
// still playing; a missing or unreadable file plays nothing and reports nothing.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void Play(const QString& path) = 0;
};
