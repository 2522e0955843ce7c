// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include "extruded_letter.h"
#include "image_effects.h"
#include "tile_surface.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

constexpr int kTileWidth = 63;
constexpr int kTileHeight = 90;
constexpr int kSupersample = 4;
// Resting pose: seen slightly from above and from the right, so the walls show
// below and to the right of the face, as on a printed 3D letter.
constexpr double kRestTurn = 24.0;
constexpr double kRestTilt = 22.0;
constexpr double kSwing = 30.0;

// `scale` 2 paints the same frame at twice the resolution, for enlarged screens.
QImage letterFrame(const ExtrudedLetter& solid, const LetterPose& pose, int scale) {
    const int s = kSupersample;
    QImage canvas = makeCanvas(kTileWidth * s * scale, kTileHeight * s * scale);
    QPainter painter(&canvas);
    painter.scale(scale, scale);
    paintTile(painter, QRectF(0, 0, kTileWidth * s, kTileHeight * s), s, ivoryTile(), 0);

    const QPointF centre((kTileWidth / 2.0 - 2.0) * s, (kTileHeight / 2.0 - 2.5) * s);
    QImage shadow = makeCanvas(canvas.width(), canvas.height());
    {
        QPainter shade(&shadow);
        shade.scale(scale, scale);
        solid.paintSilhouette(shade, centre + QPointF(2.5 * s, 3.5 * s), pose, QColor(70, 50, 10, 120));
    }
    blurImage(shadow, 2 * s * scale);
    painter.drawImage(0, 0, shadow);
    solid.paint(painter, centre, pose);
    painter.end();
    return downsample(canvas, s);
}

}  // namespace

void paintLetterFrames(const QString& folder, int scale) {
    const int s = kSupersample;
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(60 * s);
    QDir().mkpath(folder);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const ExtrudedLetter solid(QChar(letter), font, QSizeF(41.0 * s, 52.0 * s), 10.0 * s, glossyBlue());
        for (int frame = 0; frame <= kLetterSwingFrames; ++frame) {
            LetterPose pose;
            pose.tiltDegrees = kRestTilt;
            pose.focalLength = 260.0 * s;
            pose.turnDegrees = kRestTurn;
            if (frame > 0) {
                // One full swing out to the left, back through rest and out to
                // the right, with the gleam crossing the face on the way.
                const double phase = double(frame) / kLetterSwingFrames;
                pose.turnDegrees -= kSwing * std::sin(2 * std::numbers::pi * phase);
                pose.shine = (frame - 0.5) / kLetterSwingFrames;
            }
            const QString name = QStringLiteral("%1/%2_%3.png").arg(folder).arg(letter).arg(frame, 2, 10, QChar('0'));
            letterFrame(solid, pose, scale).save(name);
        }
    }
}
