// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "tests/support/run_until.h"
#include "platform/ui/sharp_picture.h"
#include "game/core/sound_effects.h"
#include "tests/support/temp_program_folder.h"
#include "game/ui/board/tile_board.h"
#include "game/ui/board/tile_face.h"
#include "platform/core/program_files.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

void WritePicture(TempProgramFolder& folder, const QString& name, QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(folder.FilePath(name), "PNG"));
}

}  // namespace

TEST(SharpPicture, AnEnlargedScreenGetsTheCopyAtTwiceTheResolution)
{
    struct Row {
        const char* what;
        double ratio;
        bool hasDouble;
        bool doubleReadable;
        bool expectDouble;
    };
    const Row rows[] = {
        {"plain screen", 1.0, true, true, false},
        {"slightly enlarged", 1.2, true, true, false},
        {"twice", 2.0, true, true, true},
        {"one and a half", 1.5, true, true, true},
        {"twice, no copy", 2.0, false, false, false},
        {"twice, copy unreadable", 2.0, true, false, false},
    };
    for (const Row& row : rows) {
        TempProgramFolder folder;
        WritePicture(folder, QStringLiteral("linkautore.png"), {220, 44}, Qt::red);
        if (row.hasDouble && row.doubleReadable)
            WritePicture(folder, QStringLiteral("linkautore@2x.png"), {440, 88}, Qt::blue);
        else if (row.hasDouble)
            folder.Write(QStringLiteral("linkautore@2x.png"), "not a picture");
        const QPixmap picture = SharpPicture::Load(ProgramFiles(folder.Path()), QStringLiteral("linkautore.png"), row.ratio);
        ASSERT_FALSE(picture.isNull()) << row.what;
        // Either way it takes the room of the plain picture.
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(220, 44)) << row.what;
        EXPECT_EQ(picture.devicePixelRatio(), row.expectDouble ? 2.0 : 1.0) << row.what;
        EXPECT_EQ(picture.toImage().pixelColor(5, 5), row.expectDouble ? QColor(Qt::blue) : QColor(Qt::red))
            << row.what;
    }
}

TEST(SharpPicture, AnEnlargedBoardShowsThe3DLettersAtTwiceTheResolution)
{
    TempProgramFolder folder;
    WritePicture(folder, QStringLiteral("A.gif"), {63, 90}, Qt::red);
    // Written as PNG under the name the board asks for: the reader goes by content.
    WritePicture(folder, QStringLiteral("A@2x.gif"), {126, 180}, Qt::blue);
    FakePlatform fake;
    GameState state;
    state.Settings.SoundOn = false;
    state.Settings.TileStyle = TileLook::ThreeD;
    const ProgramFiles files(folder.Path());
    SoundEffects sounds(state.Settings.SoundOn, fake.wave, files);
    for (const int scale : {1, 2}) {
        TileBoard board(state, sounds, files);
        board.resize(680 * scale, 200 * scale);
        board.show();
        state.DrawnLetters = QStringLiteral("A");
        board.DrawTile(0, QStringLiteral("A"));
        ASSERT_TRUE(RunUntil([&] { return !board.Drawing(); }, 5000));
        const QPixmap& picture = board.Tile(0)->Picture();
        ASSERT_FALSE(picture.isNull()) << scale;
        EXPECT_EQ(picture.devicePixelRatio(), scale == 2 ? 2.0 : 1.0) << scale;
        EXPECT_EQ(board.Tile(0)->size(), QSize(63 * scale, 90 * scale));
    }
}
