// SPDX-License-Identifier: GPL-3.0-or-later
#include "extruded_letter.h"

#include "projection.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Light from the upper left, in front of the letter (screen y grows down).
const QVector3D kLight = QVector3D(-0.45f, -0.75f, -0.55f).normalized();

double lambert(const QVector3D& rotatedNormal) {
    return std::max(0.0f, QVector3D::dotProduct(rotatedNormal, kLight));
}

QColor scaled(const QColor& colour, double factor) {
    auto channel = [factor](int value) { return std::clamp(int(std::lround(value * factor)), 0, 255); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()), colour.alpha());
}

QColor mixed(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

}  // namespace

LetterLook glossyBlue() {
    return {QColor(178, 214, 255), QColor(52, 120, 240), QColor(20, 52, 156), QColor(34, 78, 184),
            QColor(8, 26, 86, 210)};
}

struct ExtrudedLetter::Wall {
    QVector3D corners[4];  // front edge p0 p1, then back edge p1 p0
    QVector3D normal;      // outward, in model space
    double depth;          // for back-to-front ordering
};

ExtrudedLetter::ExtrudedLetter(QChar letter, const QFont& font, QSizeF box, double depth, LetterLook look)
    : depth_(depth), look_(look) {
    QPainterPath raw;
    raw.addText(0, 0, font, QString(letter));
    const QRectF bounds = raw.boundingRect();
    const double uniform = box.height() / bounds.height();
    const double sx = std::min(uniform, box.width() / bounds.width());
    QTransform fit;
    fit.scale(sx, uniform);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    glyph_ = fit.map(raw).simplified();
}

void ExtrudedLetter::paint(QPainter& painter, QPointF centre, const LetterPose& pose) const {
    paintSolid(painter, centre, pose, nullptr);
}

void ExtrudedLetter::paintSilhouette(QPainter& painter, QPointF centre, const LetterPose& pose,
                                     const QColor& colour) const {
    paintSolid(painter, centre, pose, &colour);
}

void ExtrudedLetter::paintSolid(QPainter& painter, QPointF centre, const LetterPose& pose,
                                const QColor* flat) const {
    const Projection view(pose.turnDegrees, pose.tiltDegrees, centre, pose.focalLength);
    const float front = float(-depth_ / 2), back = float(depth_ / 2);
    const QVector3D camera = view.cameraPosition();

    // Walls: one quad per outline segment, kept when it faces the camera and
    // painted farthest first, so that no z-buffer is needed.
    std::vector<Wall> walls;
    for (const QPolygonF& polygon : glyph_.toSubpathPolygons()) {
        for (int i = 0; i + 1 < polygon.size(); ++i) {
            const QPointF p0 = polygon[i], p1 = polygon[i + 1];
            const QPointF along = p1 - p0;
            const double length = std::hypot(along.x(), along.y());
            if (length < 1e-6) continue;
            QPointF outward(along.y() / length, -along.x() / length);
            if (glyph_.contains((p0 + p1) / 2 + outward * 0.5)) outward = -outward;
            Wall wall{{QVector3D(float(p0.x()), float(p0.y()), front), QVector3D(float(p1.x()), float(p1.y()), front),
                       QVector3D(float(p1.x()), float(p1.y()), back), QVector3D(float(p0.x()), float(p0.y()), back)},
                      QVector3D(float(outward.x()), float(outward.y()), 0.0f), 0.0};
            QVector3D middle;
            for (const QVector3D& corner : wall.corners) middle += corner / 4.0f;
            const QVector3D rotatedMiddle = view.rotate(middle);
            const QVector3D toCamera = camera - rotatedMiddle;
            if (QVector3D::dotProduct(view.rotate(wall.normal), toCamera) <= 0) continue;
            wall.depth = rotatedMiddle.z();
            walls.push_back(wall);
        }
    }
    std::stable_sort(walls.begin(), walls.end(), [](const Wall& a, const Wall& b) { return a.depth > b.depth; });

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Wall& wall : walls) {
        QPolygonF quad;
        for (const QVector3D& corner : wall.corners) quad << view.project(corner);
        QBrush brush;
        if (flat) {
            brush = QBrush(*flat);
        } else {
            const double light = 0.42 + 0.85 * lambert(view.rotate(wall.normal));
            // Darker towards the back: the walls read as depth, not as a flat band.
            QLinearGradient shade((quad[0] + quad[1]) / 2, (quad[2] + quad[3]) / 2);
            shade.setColorAt(0, scaled(look_.wall, light * 1.08));
            shade.setColorAt(1, scaled(look_.wall, light * 0.62));
            brush = QBrush(shade);
        }
        // The thin pen in the wall's own colour closes the hairline seams that
        // antialiasing leaves between neighbouring quads.
        painter.setPen(QPen(brush, 1.0));
        painter.setBrush(brush);
        painter.drawPolygon(quad);
    }
    painter.restore();

    const QTransform faceTransform = view.planeTransform(front);
    if (flat) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(faceTransform, true);
        painter.fillPath(glyph_, *flat);
        painter.restore();
        return;
    }

    // The face is built on its own layer so that bevel and gleam stay inside it.
    QImage layer(painter.device()->width(), painter.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter face(&layer);
        face.setRenderHint(QPainter::Antialiasing);
        face.setTransform(faceTransform);
        const QRectF bounds = glyph_.boundingRect();
        const double light = 0.55 + 0.55 * lambert(view.rotate(QVector3D(0, 0, -1)));
        QLinearGradient gloss(0, bounds.top(), 0, bounds.bottom());
        gloss.setColorAt(0.0, scaled(look_.faceTop, light));
        gloss.setColorAt(0.46, scaled(mixed(look_.faceTop, look_.faceMiddle, 0.55), light));
        gloss.setColorAt(0.54, scaled(look_.faceMiddle, light * 0.92));
        gloss.setColorAt(1.0, scaled(look_.faceBottom, light));
        face.fillPath(glyph_, gloss);

        face.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        const double bevel = bounds.height() * 0.024;
        face.setBrush(Qt::NoBrush);
        face.setPen(QPen(QColor(255, 255, 255, 150), bevel * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        face.drawPath(glyph_.translated(bevel, bevel));
        face.setPen(QPen(QColor(0, 0, 0, 90), bevel * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        face.drawPath(glyph_.translated(-bevel, -bevel));

        if (pose.shine >= 0) {
            const double span = bounds.width() + bounds.height();
            const double at = bounds.left() - bounds.height() + pose.shine * span;
            QLinearGradient gleam(at - bounds.height() * 0.3, bounds.top(), at + bounds.height() * 0.3,
                                  bounds.bottom());
            gleam.setColorAt(0.0, QColor(255, 255, 255, 0));
            gleam.setColorAt(0.38, QColor(255, 255, 255, 0));
            gleam.setColorAt(0.5, QColor(255, 255, 255, 235));
            gleam.setColorAt(0.62, QColor(255, 255, 255, 0));
            gleam.setColorAt(1.0, QColor(255, 255, 255, 0));
            face.fillRect(bounds.adjusted(-bevel, -bevel, bevel, bevel), gleam);
        }

        face.setCompositionMode(QPainter::CompositionMode_SourceOver);
        face.setPen(QPen(look_.edge, bounds.height() * 0.011));
        face.drawPath(glyph_);
    }
    painter.drawImage(0, 0, layer);
}
