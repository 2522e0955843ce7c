// SPDX-License-Identifier: GPL-3.0-or-later
// What the layout allows: the main window opens the editor.
#pragma once

#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "game/core/game.h"
#include <QDialog>
