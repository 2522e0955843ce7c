// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/game_resets.h"

#include "model/game_state.h"

namespace GameResets {

void ForNewDraw(GameState& state)
{
    state.DrawnLetters.clear();
    state.SourceWord.clear();
}

void ForNewManche(GameState& state)
{
    ForNewDraw(state);
    state.VowelsDrawn = 0;
    state.ConsonantsDrawn = 0;
    state.FoundWords.clear();
    state.ElapsedSeconds = 0;
    for (PlayerSlot& player : state.Players)
        player.Word.clear();
}

void ForNewGame(GameState& state)
{
    ForNewManche(state);
    state.TotalScores.fill(0);
    state.MancheNumber = 1;
    state.GameOver = false;
}

}  // namespace GameResets
