// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"
#include "game/ui/board/tile_board.h"
#include "game/ui/board/tile_face.h"
#include "game/ui/board/tile_geometry.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace TileGeometry;

TEST(BoardScale, TheNaturalLayoutGrowsToTheSmallerOfTheTwoRatios)
{
    struct Row {
        QSize available;
        double scale;
        QPoint origin;
    };
    const Row rows[] = {
        {{680, 200}, 1.0, {0, 0}},      // the natural board
        {{500, 100}, 1.0, {0, 0}},      // never below the natural size
        {{1360, 400}, 2.0, {0, 0}},     // twice both ways
        {{1360, 300}, 1.5, {170, 0}},   // the height limits: centred across
        {{1020, 500}, 1.5, {0, 100}},   // the width limits: centred down
        {{1700, 1000}, 2.5, {0, 250}},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(BoardScale(row.available), row.scale) << row.available.width() << "x" << row.available.height();
        EXPECT_EQ(ScaledOrigin(row.available, row.scale), row.origin) << row.available.width();
    }
}

TEST(BoardScale, PlacesAndSizesKeepTheirProportions)
{
    struct Row {
        QPoint natural;
        double scale;
        QPoint origin;
        QPoint onBoard;
    };
    const Row rows[] = {
        {RestTopLeft(0), 1.0, {}, {3, 13}},
        {RestTopLeft(9), 2.0, {}, {2 * 561, 2 * 13}},
        {RestTopLeft(1), 1.5, {10, 20}, {10 + 98, 20 + 20}},  // 65.33 and 13.33, rounded
    };
    for (const Row& row : rows)
        EXPECT_EQ(ToBoard(row.natural, row.scale, row.origin), row.onBoard) << row.scale;
    EXPECT_EQ(ScaledSize({kTileWidth, kTileHeight}, 2.0), QSize(126, 180));
    EXPECT_EQ(ScaledSize({kTileWidth, kTileHeight}, 1.5), QSize(95, 135));
}

// The main window resized to 1920 x 1080 and back: the tiles grow with the board,
// keep the natural layout's proportions and come back to their natural places.
class BoardResizeTest : public PlayTest {
protected:
    void ExpectTilesWhereTheLayoutPutsThem(const char* when)
    {
        TileBoard* board = Window().Board();
        const double scale = board->Scale();
        for (int i = 0; i < 10; ++i) {
            TileFace* tile = board->Tile(i);
            ASSERT_TRUE(tile->isVisible()) << when << " tile " << i;
            EXPECT_EQ(tile->pos(), ToBoard(RestTopLeft(i), scale, board->Origin())) << when << " tile " << i;
            EXPECT_EQ(tile->size(), ScaledSize({kTileWidth, kTileHeight}, scale)) << when << " tile " << i;
            // Every tile lies wholly on the board.
            EXPECT_TRUE(board->rect().contains(tile->geometry())) << when << " tile " << i;
        }
    }
};

TEST_F(BoardResizeTest, TilesGrowWithTheWindowAndComeBack)
{
    Start("SfondoCasella=3");
    DrawTyped(QStringLiteral("CASTELLOAR"));
    TileBoard* board = Window().Board();

    Window().resize(Window().minimumSizeHint());
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(board->Scale(), 1.0);
    ExpectTilesWhereTheLayoutPutsThem("smallest");
    const QRect smallTile = board->Tile(9)->geometry();

    Window().resize(1920, 1080);
    QApplication::processEvents();
    EXPECT_GT(board->Scale(), 1.8);
    ExpectTilesWhereTheLayoutPutsThem("1920x1080");
    // The row of tiles covers most of the board's width, not its top-left corner.
    const QRect lastTile = board->Tile(9)->geometry();
    EXPECT_GT(lastTile.right() - board->Tile(0)->x(), board->width() * 8 / 10);
    EXPECT_GT(lastTile.height(), 2 * smallTile.height() * 9 / 10);
    // The board takes the window's height: no band of empty space stays below the players.
    EXPECT_GT(Window().BoardPanel()->height(), 1080 / 3);

    Window().resize(Window().minimumSizeHint());
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(board->Scale(), 1.0);
    ExpectTilesWhereTheLayoutPutsThem("back");
    EXPECT_EQ(board->Tile(9)->geometry(), smallTile);
}

TEST_F(BoardResizeTest, TilesParkedBelowTheBoardStayOutOfViewAtEverySize)
{
    Start("SfondoCasella=4");
    TileBoard* board = Window().Board();
    for (const QSize size : {QSize(1920, 1080), Window().minimumSizeHint(), QSize(1400, 1000)}) {
        Window().resize(size);
        QApplication::processEvents();
        for (int i = 0; i < 10; ++i) {
            EXPECT_GE(board->Tile(i)->y(), board->height()) << size.width() << " tile " << i;
            EXPECT_GE(board->LetterLabel(i)->y(), board->height()) << size.width() << " label " << i;
        }
    }
}
