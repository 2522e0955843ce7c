// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include "extruded_letter.h"
#include "image_effects.h"
#include "tile_surface.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

// Drawn on a square of 64 units, at every size from the shapes themselves, so the
// large icons stay as sharp as the small ones.
constexpr double kUnits = 64;
constexpr int kSupersample = 4;

}  // namespace

void paintIcon(const QString& file, int size) {
    const double s = size * kSupersample / kUnits;
    QImage canvas = makeCanvas(size * kSupersample, size * kSupersample);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The logo's night-blue ground, with its soft light behind the tile.
    QPainterPath ground;
    ground.addRoundedRect(QRectF(2 * s, 2 * s, 60 * s, 60 * s), 12 * s, 12 * s);
    QLinearGradient sky(0, 2 * s, 0, 62 * s);
    sky.setColorAt(0, QColor(12, 30, 84));
    sky.setColorAt(1, QColor(6, 14, 44));
    painter.fillPath(ground, sky);
    QRadialGradient halo(QPointF(32 * s, 26 * s), 34 * s);
    halo.setColorAt(0, QColor(70, 130, 230, 170));
    halo.setColorAt(1, QColor(70, 130, 230, 0));
    painter.fillPath(ground, halo);

    // The logo's first tile: an ivory tile with a blue 3D "L", a little askew.
    const QRectF body(14 * s, 9 * s, 36 * s, 44 * s);
    painter.save();
    painter.translate(body.center());
    painter.rotate(-3);
    painter.translate(-body.center());
    QPainterPath shadow;
    shadow.addRoundedRect(body.translated(1.5 * s, 2 * s), 4 * s, 4 * s);
    painter.fillPath(shadow, QColor(0, 0, 0, 110));
    paintTile(painter, body, kSupersample * std::max(1.0, size / 64.0), ivoryTile(), 4 * s);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(int(34 * s));
    const ExtrudedLetter solid(QChar('L'), font, QSizeF(24 * s, 30 * s), 5 * s, glossyBlue());
    LetterPose pose;
    pose.turnDegrees = 22;
    pose.tiltDegrees = 20;
    pose.focalLength = 220 * s;
    solid.paint(painter, body.center() - QPointF(1 * s, 1.5 * s), pose);
    painter.restore();
    painter.end();

    downsample(canvas, kSupersample).save(file);
}
