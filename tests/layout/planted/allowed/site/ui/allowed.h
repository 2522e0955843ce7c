// SPDX-License-Identifier: GPL-3.0-or-later
// What the layout allows: the site states the programs' version.
#pragma once

#include "game/core/game.h"
#include "platform/version.h"
