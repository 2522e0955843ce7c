// SPDX-License-Identifier: GPL-3.0-or-later
#include "projection.h"

#include <cmath>
#include <numbers>

Projection::Projection(double turnDegrees, double tiltDegrees, QPointF screenCentre, double focalLength)
    : centre_(screenCentre), focal_(focalLength) {
    const double turn = turnDegrees * std::numbers::pi / 180.0;
    const double tilt = tiltDegrees * std::numbers::pi / 180.0;
    const double ct = std::cos(turn), st = std::sin(turn);
    const double cp = std::cos(tilt), sp = std::sin(tilt);
    // Tilt(x axis) * Turn(y axis): the turn swings the letter, the tilt is the
    // fixed view from slightly above that lets the walls show below the face.
    const double turnM[3][3] = {{ct, 0, st}, {0, 1, 0}, {-st, 0, ct}};
    const double tiltM[3][3] = {{1, 0, 0}, {0, cp, sp}, {0, -sp, cp}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m_[r][c] = 0;
            for (int k = 0; k < 3; ++k) m_[r][c] += tiltM[r][k] * turnM[k][c];
        }
    }
}

QVector3D Projection::rotate(const QVector3D& p) const {
    return {float(m_[0][0] * p.x() + m_[0][1] * p.y() + m_[0][2] * p.z()),
            float(m_[1][0] * p.x() + m_[1][1] * p.y() + m_[1][2] * p.z()),
            float(m_[2][0] * p.x() + m_[2][1] * p.y() + m_[2][2] * p.z())};
}

QPointF Projection::project(const QVector3D& point) const {
    const QVector3D r = rotate(point);
    const double w = 1.0 + r.z() / focal_;
    return {centre_.x() + r.x() / w, centre_.y() + r.y() / w};
}

QTransform Projection::planeTransform(double z) const {
    // For (x, y, z) with z fixed, the rotated point is linear in (x, y, 1); the
    // perspective divide by w = 1 + Z / f makes the whole map one homography.
    const double f = focal_, cx = centre_.x(), cy = centre_.y();
    const double w0 = 1.0 + z * m_[2][2] / f;
    return QTransform(cx * m_[2][0] / f + m_[0][0], cy * m_[2][0] / f + m_[1][0], m_[2][0] / f,
                      cx * m_[2][1] / f + m_[0][1], cy * m_[2][1] / f + m_[1][1], m_[2][1] / f,
                      cx * w0 + z * m_[0][2], cy * w0 + z * m_[1][2], w0);
}
