// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// A raised tile with softly rounded corners: a vertical gradient between two
// tones, a glow in the upper middle and a bevel of one pixel (pixel = the
// size of one final pixel in the painter's units).
struct TileColours {
    QColor top;
    QColor bottom;
    QColor light;   // bevel, top and left
    QColor dark;    // bevel, bottom and right
};

void paintTile(QPainter& painter, const QRectF& rect, double pixel, const TileColours& colours, double cornerRadius);

// The light ivory of the letter tiles and of the logo.
TileColours ivoryTile();
