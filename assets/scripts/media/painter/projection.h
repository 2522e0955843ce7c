// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QTransform>
#include <QVector3D>

// A camera looking along +z at a solid that is first turned about its vertical
// axis and then tilted about its horizontal axis. Screen y grows downwards, so a
// positive tilt shows the underside and a positive turn shows the right side.
class Projection {
public:
    Projection(double turnDegrees, double tiltDegrees, QPointF screenCentre, double focalLength);

    // The point after turning and tilting, still in model units around the origin.
    QVector3D rotate(const QVector3D& point) const;
    QPointF project(const QVector3D& point) const;
    // Distance along the view axis after rotation: larger is farther away.
    double depth(const QVector3D& point) const { return rotate(point).z(); }
    // Maps the model plane z = planeZ onto the screen, for QPainter::setTransform.
    QTransform planeTransform(double planeZ) const;
    QVector3D cameraPosition() const { return {0.0f, 0.0f, float(-focal_)}; }

private:
    double m_[3][3];
    QPointF centre_;
    double focal_;
};
