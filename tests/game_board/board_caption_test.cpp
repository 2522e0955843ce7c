// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_board.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "game/core/sound_effects.h"
#include "platform/core/program_files.h"
#include "tests/support/temp_program_folder.h"

#include <QGroupBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Between manches the window captions the panel itself ("Cliccare bottoni
// estrazione"); a draw that ends up refused empties the board again, and the panel
// must then read as an empty board, however the board captioned itself before.
TEST(BoardCaption, AnEmptiedBoardAlwaysSaysItsCaptionAgain)
{
    FakePlatform fake;
    GameState state;
    state.Settings.SoundOn = false;
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    SoundEffects sounds{state.Settings.SoundOn, fake.wave, files};
    QGroupBox panel;
    auto* board = new TileBoard(state, sounds, files, &panel);
    QObject::connect(board, &TileBoard::CaptionChanged, &panel, &QGroupBox::setTitle);
    board->Reset();
    for (const char* caption : {"Cliccare bottoni estrazione", "Manche 2 di 5"}) {
        panel.setTitle(QString::fromUtf8(caption));
        QSignalSpy captions(board, &TileBoard::CaptionChanged);
        board->Reset();  // the refused "Input Parola" draw
        EXPECT_EQ(captions.size(), 1) << caption;
        EXPECT_EQ(panel.title(), TileBoard::kEmptyCaption) << caption;
    }
}

}  // namespace
