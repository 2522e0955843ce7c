// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Where the letter tiles of the board stand and move. The board's layout is laid
// down in twips at 15 twips per pixel; on screen a pixel is one device-independent
// pixel, so the board keeps its proportions on every screen density. All positions
// are relative to the board's top-left corner.
namespace TileGeometry {

inline constexpr int kSlots = 10;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTileWidth = 63;   // pixels, the tile's drawing surface
inline constexpr int kTileHeight = 90;
inline constexpr int kPitch = 62;       // neighbouring tiles overlap by one pixel
inline constexpr int kMarginTwips = 50;
inline constexpr int kRestTopTwips = 200;
inline constexpr int kMovieTopTwips = 150;
inline constexpr int kMovieMarginTwips = 80;
inline constexpr int kClickDepthTwips = 220;  // how far a clicked tile sinks

// The fly-in: the step k runs from -2500 to 200 in steps of 50 (55 steps); the
// element's top is 400 - k twips, so it rises from the bottom of the board.
inline constexpr int kFlyFirst = -2500;
inline constexpr int kFlyLast = 200;
inline constexpr int kFlyStep = 50;
inline constexpr int kFlySteps = (kFlyLast - kFlyFirst) / kFlyStep + 1;

// The board's natural size: ten tiles, the margins and room for the fly-in's start.
QSize BoardSize();

// How much a board of `available` size enlarges its natural layout: the largest
// factor at which the natural board still fits both ways, never below 1.
double BoardScale(QSize available);
// Where the natural layout's top-left lands on a board of `available` size at
// `scale`: the enlarged layout is centred both ways.
QPoint ScaledOrigin(QSize available, double scale);
// A point of the natural layout on a board enlarged by `scale` from `origin`.
QPoint ToBoard(QPoint natural, double scale, QPoint origin);
// A size of the natural layout at `scale`, rounded to whole pixels.
QSize ScaledSize(QSize natural, double scale);

// Top-left of the flying element at step k. Its left converges from far left on the
// slot's place: position * 62 * 15 / 200 * k + 50 twips, single precision as stored.
QPoint FlyInTopLeft(int position, int k);
// Top-left of a tile at rest: 930 * position + 50 twips across, 200 twips down.
QPoint RestTopLeft(int position);
// Top-left of the animated picture of a slot: position * 62.5 pixels + 80 twips
// across, 150 twips down.
QPoint MovieTopLeft(int position);

// Point size of the tile's letter: a tile whose inner width is below 65 pixels takes
// 54 points, a wider one (larger screen font settings) 44 so the letter stays inside.
int TileFontPointSize(int innerWidthPixels);

// Where a letter of the given text size is printed inside the 63 x 90 tile: its
// left is (63 - w, rounded half to even) / 2 truncated, less 1; its top likewise
// from 90 - h without the 1.
QPoint LetterOrigin(double textWidth, double textHeight);

// The plain-text copy of the board: the drawn letters padded with blanks to exactly
// `letterCount` characters.
QString TextCopy(const QString& drawnLetters, int letterCount);

// The tile background of a manche: "TILEPIC" followed by the manche number, ".BMP".
QString TilePictureName(int mancheNumber);

// The accessible name of the tile at `position` (0-based) showing `letter`.
QString AccessibleTileName(int position, const QString& letter);

}  // namespace TileGeometry
