// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

class QPainter;

// Colours of a glossy letter: a face that runs from a light top through a
// bright middle to a deep bottom, and walls of a darker tone of the same hue.
struct LetterLook {
    QColor faceTop;
    QColor faceMiddle;
    QColor faceBottom;
    QColor wall;
    QColor edge;
};

// The deep glossy blue of the game's letters.
LetterLook glossyBlue();

struct LetterPose {
    double turnDegrees = 0;  // swing about the vertical axis
    double tiltDegrees = 0;  // fixed view from above
    double shine = -1;       // 0..1: where the gleam crosses the face; < 0 for none
    double focalLength = 600;
};

// A letter outline extruded into a solid, painted with lit walls, a bevelled
// glossy face and an optional gleam. All sizes are in the painter's pixels.
class ExtrudedLetter {
public:
    // The glyph is scaled to fill box (narrow letters keep their shape, wide ones
    // are condensed to the box width) and centred on the origin.
    ExtrudedLetter(QChar letter, const QFont& font, QSizeF box, double depth, LetterLook look);

    void paint(QPainter& painter, QPointF centre, const LetterPose& pose) const;
    // The solid's silhouette in one colour, for soft shadows.
    void paintSilhouette(QPainter& painter, QPointF centre, const LetterPose& pose, const QColor& colour) const;

    const QPainterPath& outline() const { return glyph_; }

private:
    struct Wall;
    void paintSolid(QPainter& painter, QPointF centre, const LetterPose& pose, const QColor* flat) const;

    QPainterPath glyph_;
    double depth_;
    LetterLook look_;
};
