// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class Dialogs;
class HttpFetcher;
class RandomSource;
class Shell;
class WavePlayer;
class WindowPlaces;

// Everything a window needs from the outside world, handed in by the program's
// main() (the Qt implementations) or by a test (the fakes of tests/support).
struct Platform {
    Dialogs& dialogs;
    Shell& shell;
    HttpFetcher& http;
    WavePlayer& wave;
    Clock& clock;
    RandomSource& random;
    // Where windows keep their size and place between runs.
    const WindowPlaces& places;
};
