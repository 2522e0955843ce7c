// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Asynchronous wave playback: Play returns at once; sounds may overlap; a missing or
// unreadable file plays nothing and reports nothing.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void Play(const QString& path) = 0;
    // Whether a sound can be heard at all: false on a machine with no audio output,
    // where nothing that waits for a sound has anything to wait for.
    virtual bool HasOutput() const { return true; }
};
