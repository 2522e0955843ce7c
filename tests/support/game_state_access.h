// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/game.h"

// A test sets up a game part-way (a manche already under way, totals already won)
// by writing its state directly, where playing there would only slow it down.
struct GameTestAccess {
    static GameState& State(Game& game) { return game.state_; }
};
