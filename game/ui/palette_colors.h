// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// The colours of the board and the time bar under the desktop's palette. With a
// light palette they are the game's classic ones (white or grey board, navy slices
// on white); with a dark palette they come from the palette, and a fill that would
// vanish on its background is lightened until it reads.
namespace PaletteColors {

// A palette whose window colour is darker than mid-grey.
bool IsDark(const QPalette& palette);

// The contrast ratio of two colours (1 to 21), as accessibility guides define it.
double Contrast(const QColor& first, const QColor& second);

// `fill` as shown on `background`: unchanged where their contrast is at least 3;
// otherwise lightened (on a dark background) or darkened (on a light one), keeping
// its hue, until it is.
QColor ReadableOn(const QColor& fill, const QColor& background);

// The board panel's background: white (colour 15) for the classic tiles with a
// background picture and grey (colour 8) for the others on a light palette; the
// palette's base and mid colours on a dark one.
QColor BoardBackground(const QPalette& palette, bool pictureTiles);

}  // namespace PaletteColors
