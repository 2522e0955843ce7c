// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Asynchronous wave playback: Play returns at once; sounds may overlap; a missing or
// unreadable file plays nothing and reports nothing.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void Play(const QString& path) = 0;
};
