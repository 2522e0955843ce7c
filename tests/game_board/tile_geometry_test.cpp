// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_geometry.h"

#include <gtest/gtest.h>

using namespace TileGeometry;

TEST(TileGeometry, FlyInHasFiftyFiveStepsFromTheBottomToRest)
{
    EXPECT_EQ(kFlySteps, 55);
    for (int position = 0; position < kSlots; ++position) {
        EXPECT_EQ(FlyInTopLeft(position, kFlyLast), RestTopLeft(position)) << position;
        EXPECT_EQ(FlyInTopLeft(position, kFlyFirst).y(), 193);  // 2900 twips
    }
}

TEST(TileGeometry, SlotZeroRisesStraightUpOthersComeFromTheLeft)
{
    int lastTop = 1000;
    for (int k = kFlyFirst; k <= kFlyLast; k += kFlyStep) {
        EXPECT_EQ(FlyInTopLeft(0, k).x(), 3) << k;  // 50 twips
        EXPECT_LT(FlyInTopLeft(0, k).y(), lastTop);
        lastTop = FlyInTopLeft(0, k).y();
    }
    // 9 * 930 / 200 * -2500 + 50 twips.
    EXPECT_EQ(FlyInTopLeft(9, kFlyFirst).x(), -6972);
    EXPECT_EQ(FlyInTopLeft(1, 0).x(), 3);
}

TEST(TileGeometry, RestingPlacesOverlapByOnePixel)
{
    struct Row {
        int position;
        QPoint tile, movie;
    };
    // Tiles at 930 i + 50 twips, 200 down; pictures at 937.5 i + 80 twips, 150 down.
    for (const Row& row : {Row{0, {3, 13}, {5, 10}}, Row{1, {65, 13}, {68, 10}}, Row{2, {127, 13}, {130, 10}},
                           Row{9, {561, 13}, {568, 10}}}) {
        EXPECT_EQ(RestTopLeft(row.position), row.tile) << row.position;
        EXPECT_EQ(MovieTopLeft(row.position), row.movie) << row.position;
    }
    EXPECT_EQ(RestTopLeft(1).x() - RestTopLeft(0).x(), kTileWidth - 1);
    // The whole row and the fly-in's start fit the board.
    EXPECT_GE(BoardSize().width(), RestTopLeft(9).x() + kTileWidth);
    EXPECT_GE(BoardSize().width(), MovieTopLeft(9).x() + kTileWidth);
    EXPECT_GT(BoardSize().height(), FlyInTopLeft(0, kFlyFirst).y());
}

TEST(TileGeometry, LargerScreenFontsTakeTheSmallerLetter)
{
    EXPECT_EQ(TileFontPointSize(61), 54);  // bordered tile at 15 twips per pixel
    EXPECT_EQ(TileFontPointSize(64), 54);
    EXPECT_EQ(TileFontPointSize(65), 44);
    EXPECT_EQ(TileFontPointSize(78), 44);  // 12 twips per pixel
}

TEST(TileGeometry, LetterIsCentredWithHalvesRoundedToEven)
{
    struct Row {
        double w, h;
        QPoint origin;
    };
    for (const Row& row : {Row{40, 81, {10, 4}},     // 23 / 2 = 11, less 1; 9 / 2 = 4
                           Row{50.5, 84, {5, 3}},    // 12.5 rounds to 12
                           Row{51.5, 83.5, {5, 3}},  // 11.5 rounds to 12; 6.5 to 6
                           Row{66, 95, {-2, -2}}})   // -3 / 2 truncates to -1
        EXPECT_EQ(LetterOrigin(row.w, row.h), row.origin) << row.w << " x " << row.h;
}

TEST(TileGeometry, TextCopyIsPaddedToTheLetterCount)
{
    EXPECT_EQ(TextCopy("A", 10), "A         ");
    EXPECT_EQ(TextCopy("CAMPIONE", 8), "CAMPIONE");
    EXPECT_EQ(TextCopy("", 9), QString(9, ' '));
}

TEST(TileGeometry, NamesOfPicturesAndTiles)
{
    EXPECT_EQ(TilePictureName(5), "TILEPIC5.BMP");
    EXPECT_EQ(AccessibleTileName(0, "A"), "Lettera A, posizione 1");
}
