// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_surface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

void paintTile(QPainter& painter, const QRectF& rect, double pixel, const TileColours& colours, double cornerRadius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);

    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, colours.top);
    body.setColorAt(1, colours.bottom);
    painter.fillPath(shape, body);

    QRadialGradient glow(QPointF(rect.center().x(), rect.top() + rect.height() * 0.3), rect.width() * 0.75);
    glow.setColorAt(0, QColor(255, 255, 255, 110));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(shape, glow);

    // Bevel: light along the top and left, dark along the bottom and right,
    // each drawn as the ring between the tile and itself moved by one pixel.
    painter.setClipPath(shape);
    QPainterPath lightRing = shape.subtracted(shape.translated(pixel, pixel));
    QPainterPath darkRing = shape.subtracted(shape.translated(-pixel, -pixel));
    painter.fillPath(lightRing, colours.light);
    painter.fillPath(darkRing, colours.dark);
    painter.restore();
}

TileColours ivoryTile() {
    return {QColor(255, 252, 240), QColor(232, 222, 196), QColor(255, 255, 255), QColor(176, 160, 124)};
}
