// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include "image_effects.h"
#include "tile_surface.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 96;
constexpr int kSupersample = 4;
constexpr double kLensRadius = 17;
constexpr double kZoom = 1.75;

// The page under the glass: a word in small tiles on a light sheet.
void paintPage(QPainter& painter, double s) {
    QLinearGradient sheet(0, 0, 0, kSize * s);
    sheet.setColorAt(0, QColor(236, 244, 255));
    sheet.setColorAt(1, QColor(200, 216, 240));
    painter.fillRect(QRectF(0, 0, kSize * s, kSize * s), sheet);

    // Lines of small print above and below the word, as on a dictionary page.
    painter.setRenderHint(QPainter::Antialiasing);
    const double lineLengths[] = {70, 82, 58, 78, 66, 84, 50, 74};
    const double lineTops[] = {9, 17, 25, 33, 67, 75, 83, 91};
    for (int i = 0; i < 8; ++i) {
        const double width = lineLengths[i] - (i == 3 || i == 7 ? 20 : 0);
        QPainterPath line;
        line.addRoundedRect(QRectF(7 * s, (lineTops[i] - 2) * s, width * s, 3 * s), 1.5 * s, 1.5 * s);
        painter.fillPath(line, QColor(120, 140, 175, i % 4 == 0 ? 200 : 130));
    }

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(int(12 * s));
    const QString word = QStringLiteral("PAROLA");
    const double width = 13, height = 17, pitch = 14.4;
    const double left = (kSize - (word.size() - 1) * pitch - width) / 2.0;
    for (int i = 0; i < word.size(); ++i) {
        const QRectF tile((left + i * pitch) * s, 40 * s, width * s, height * s);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shadow;
        shadow.addRoundedRect(tile.translated(0.8 * s, 1.2 * s), 2 * s, 2 * s);
        painter.fillPath(shadow, QColor(40, 60, 100, 90));
        paintTile(painter, tile, s * 0.6, ivoryTile(), 2 * s);
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(word[i]));
        const QRectF bounds = glyph.boundingRect();
        glyph.translate(tile.center() - bounds.center());
        painter.fillPath(glyph.translated(0.5 * s, 0.6 * s), QColor(10, 25, 80, 120));
        painter.fillPath(glyph, QColor(30, 80, 200));
    }
}

void paintLens(QPainter& painter, const QImage& page, QPointF centre, double s) {
    const double r = kLensRadius * s;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Handle first, so the rim covers its joint.
    const QPointF direction(std::cos(std::numbers::pi / 4), std::sin(std::numbers::pi / 4));
    const QPointF start = centre + direction * (r * 0.9), end = centre + direction * (r + 20 * s);
    QLinearGradient grip(start + QPointF(-3 * s, 3 * s), start + QPointF(3 * s, -3 * s));
    grip.setColorAt(0, QColor(60, 30, 10));
    grip.setColorAt(0.5, QColor(150, 80, 35));
    grip.setColorAt(1, QColor(70, 35, 12));
    painter.setPen(QPen(QBrush(grip), 6.5 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(start + direction * (6 * s), end);
    painter.setPen(QPen(QColor(196, 160, 70), 5 * s, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(start, start + direction * (6 * s));

    // The glass: the page enlarged about the lens centre, with a cool tint.
    QPainterPath glass;
    glass.addEllipse(centre, r, r);
    painter.save();
    painter.setClipPath(glass);
    painter.translate(centre);
    painter.scale(kZoom, kZoom);
    painter.translate(-centre);
    painter.drawImage(0, 0, page);
    painter.restore();
    QRadialGradient tint(centre - QPointF(r * 0.35, r * 0.35), r * 1.3);
    tint.setColorAt(0, QColor(255, 255, 255, 40));
    tint.setColorAt(0.7, QColor(150, 200, 255, 30));
    tint.setColorAt(1, QColor(40, 90, 170, 90));
    painter.fillPath(glass, tint);

    // A curved reflection in the upper left of the glass.
    QPainterPath glint;
    glint.arcMoveTo(QRectF(centre.x() - r * 0.72, centre.y() - r * 0.72, r * 1.44, r * 1.44), 100);
    glint.arcTo(QRectF(centre.x() - r * 0.72, centre.y() - r * 0.72, r * 1.44, r * 1.44), 100, 65);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2.2 * s, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glint);

    // Brass rim.
    QLinearGradient brass(centre - QPointF(r, r), centre + QPointF(r, r));
    brass.setColorAt(0, QColor(255, 236, 160));
    brass.setColorAt(0.45, QColor(214, 164, 60));
    brass.setColorAt(1, QColor(120, 80, 20));
    painter.setPen(QPen(QBrush(brass), 3.6 * s));
    painter.drawEllipse(centre, r, r);
    painter.setPen(QPen(QColor(70, 45, 10, 200), 0.8 * s));
    painter.drawEllipse(centre, r + 1.8 * s, r + 1.8 * s);
}

}  // namespace

void paintMagnifierFrames(const QString& folder) {
    const double s = kSupersample;
    QDir().mkpath(folder);
    QImage page = makeCanvas(kSize * kSupersample, kSize * kSupersample);
    {
        QPainter painter(&page);
        paintPage(painter, s);
    }
    for (int frame = 0; frame < kMagnifierFrames; ++frame) {
        // Eased there and back along the word, the glass bobbing a little.
        const double phase = double(frame) / kMagnifierFrames;
        const double sweep = (1 - std::cos(2 * std::numbers::pi * phase)) / 2;
        const QPointF centre((22 + 50 * sweep) * s, (47 + 3 * std::sin(4 * std::numbers::pi * phase)) * s);
        QImage canvas = page.copy();
        QImage shadow = makeCanvas(canvas.width(), canvas.height());
        {
            QPainter shade(&shadow);
            shade.setRenderHint(QPainter::Antialiasing);
            shade.setBrush(QColor(20, 40, 80, 80));
            shade.setPen(Qt::NoPen);
            shade.drawEllipse(centre + QPointF(5 * s, 7 * s), (kLensRadius + 2) * s, (kLensRadius + 2) * s);
        }
        blurImage(shadow, int(3 * s));
        QPainter painter(&canvas);
        painter.drawImage(0, 0, shadow);
        paintLens(painter, page, centre, s);
        painter.end();
        downsample(canvas, kSupersample)
            .convertToFormat(QImage::Format_RGB32)
            .save(QStringLiteral("%1/frame_%2.png").arg(folder).arg(frame, 2, 10, QChar('0')));
    }
}
