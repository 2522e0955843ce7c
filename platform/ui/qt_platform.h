// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/platform.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_http_fetcher.h"
#include "platform/ui/qt_shell.h"
#include "platform/ui/qt_wave_player.h"
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"
#include "platform/ui/window_places.h"

// The Qt implementations of every platform service, owned together for a program's
// whole run: what the game and Gleaner hand to their windows.
class QtPlatform {
public:
    // The update notice and the missing-words list must never hold a window up for
    // long: a short wait, then nothing.
    static constexpr int kHttpTimeoutMs = 3000;

    explicit QtPlatform(const QString& dialogTitle)
        : dialogs_(dialogTitle), http_(kHttpTimeoutMs), random_(clock_)
    {
    }
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform Services() { return Platform{dialogs_, shell_, http_, wave_, clock_, random_, places_}; }

private:
    QtDialogs dialogs_;
    QtShell shell_;
    QtHttpFetcher http_;
    QtWavePlayer wave_;
    SystemClock clock_;
    SystemRandom random_;
    // The game and Gleaner keep their windows' places in one file of the user's.
    WindowPlaces places_ = WindowPlaces::InUserSettings(QStringLiteral("Letterama"));
};
