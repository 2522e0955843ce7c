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

#include <cmath>
#include <numbers>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 120;
constexpr int kSupersample = 4;
constexpr double kTileWidth = 30;
constexpr double kTileHeight = 38;
constexpr double kTilePitch = 33;

// Night-blue ground with a soft light behind the word.
void paintGround(QPainter& painter, double s) {
    QLinearGradient sky(0, 0, 0, kHeight * s);
    sky.setColorAt(0, QColor(12, 30, 84));
    sky.setColorAt(1, QColor(6, 14, 44));
    painter.fillRect(QRectF(0, 0, kWidth * s, kHeight * s), sky);
    QRadialGradient halo(QPointF(kWidth / 2.0 * s, 44 * s), 170 * s);
    halo.setColorAt(0, QColor(70, 130, 230, 150));
    halo.setColorAt(1, QColor(70, 130, 230, 0));
    painter.fillRect(QRectF(0, 0, kWidth * s, kHeight * s), halo);

    // Small four-pointed sparkles at fixed places.
    const QPointF sparkles[] = {{18, 14}, {302, 20}, {60, 104}, {268, 100}, {150, 8}, {232, 9}, {96, 6}};
    const double sizes[] = {3.5, 4.5, 3, 4, 2.5, 3, 2.5};
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 7; ++i) {
        const QPointF c = sparkles[i] * s;
        const double r = sizes[i] * s;
        QPainterPath star;
        star.moveTo(c + QPointF(0, -r));
        star.quadTo(c, c + QPointF(r, 0));
        star.quadTo(c, c + QPointF(0, r));
        star.quadTo(c, c + QPointF(-r, 0));
        star.quadTo(c, c + QPointF(0, -r));
        painter.fillPath(star, QColor(255, 236, 170, 220));
    }
}

// One tile with its letter, painted upright on its own canvas so that it can
// be set down at an angle.
QImage letterTile(QChar letter, const QFont& font, double s) {
    const double margin = 6;
    QImage tile = makeCanvas(int((kTileWidth + 2 * margin) * s), int((kTileHeight + 2 * margin) * s));
    QPainter painter(&tile);
    const QRectF body(margin * s, margin * s, kTileWidth * s, kTileHeight * s);
    paintTile(painter, body, s, ivoryTile(), 3.5 * s);
    const ExtrudedLetter solid(letter, font, QSizeF(21 * s, 26 * s), 4.5 * s, glossyBlue());
    LetterPose pose;
    pose.turnDegrees = 22;
    pose.tiltDegrees = 20;
    pose.focalLength = 200 * s;
    pose.shine = letter == 'T' ? 0.55 : -1;
    solid.paint(painter, body.center() - QPointF(1.0 * s, 1.5 * s), pose);
    return tile;
}

}  // namespace

void paintLogo(const QString& file) {
    const double s = kSupersample;
    QImage canvas = makeCanvas(kWidth * kSupersample, kHeight * kSupersample);
    QPainter painter(&canvas);
    paintGround(painter, s);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QFont letterFont("DejaVu Sans");
    letterFont.setBold(true);
    letterFont.setPixelSize(int(30 * s));
    const QString word = QStringLiteral("LETTERAMA");
    const double left = (kWidth - (word.size() - 1) * kTilePitch - kTileWidth) / 2.0;
    for (int i = 0; i < word.size(); ++i) {
        // The tiles lie along a gentle arch, each one a little askew.
        const double arch = std::sin(std::numbers::pi * i / (word.size() - 1));
        const double angle = (i % 2 == 0 ? -1 : 1) * (2.0 + (i % 3));
        const QPointF centre((left + i * kTilePitch + kTileWidth / 2) * s, (48 - 8 * arch) * s);
        const QImage tile = letterTile(word[i], letterFont, s);

        QImage shadow = makeCanvas(tile.width(), tile.height());
        {
            QPainter shade(&shadow);
            shade.setRenderHint(QPainter::Antialiasing);
            QPainterPath body;
            body.addRoundedRect(QRectF(6 * s, 6 * s, kTileWidth * s, kTileHeight * s), 3.5 * s, 3.5 * s);
            shade.fillPath(body, QColor(0, 0, 0, 150));
        }
        blurImage(shadow, int(2.5 * s));
        const auto setDown = [&](const QImage& image, QPointF offset) {
            painter.save();
            painter.translate(centre + offset);
            painter.rotate(angle);
            painter.drawImage(QPointF(-image.width() / 2.0, -image.height() / 2.0), image);
            painter.restore();
        };
        setDown(shadow, QPointF(2.5 * s, 3.5 * s));
        setDown(tile, QPointF());
    }

    // Subtitle in gold with a dark drop shadow.
    QFont subtitleFont("DejaVu Serif");
    subtitleFont.setBold(true);
    subtitleFont.setItalic(true);
    subtitleFont.setPixelSize(int(17 * s));
    const QString subtitle = QStringLiteral("il gioco delle parole");
    QPainterPath text;
    text.addText(0, 0, subtitleFont, subtitle);
    const QRectF bounds = text.boundingRect();
    text.translate(kWidth / 2.0 * s - bounds.center().x(), 100 * s - bounds.bottom() + bounds.height() / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(text.translated(1.2 * s, 1.5 * s), QColor(0, 0, 0, 170));
    QLinearGradient gold(0, text.boundingRect().top(), 0, text.boundingRect().bottom());
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(240, 196, 80));
    gold.setColorAt(1, QColor(190, 130, 30));
    painter.fillPath(text, gold);

    // Two fine gold rules beside the subtitle.
    const QRectF placed = text.boundingRect();
    QLinearGradient rule(0, 0, kWidth * s, 0);
    rule.setColorAt(0, QColor(240, 196, 80, 0));
    rule.setColorAt(0.5, QColor(240, 196, 80, 230));
    rule.setColorAt(1, QColor(240, 196, 80, 0));
    const double y = placed.center().y() + 1 * s;
    painter.fillRect(QRectF(14 * s, y, placed.left() - 22 * s, 1.2 * s), rule);
    painter.fillRect(QRectF(placed.right() + 8 * s, y, kWidth * s - placed.right() - 22 * s, 1.2 * s), rule);
    painter.end();

    downsample(canvas, kSupersample).convertToFormat(QImage::Format_RGB32).save(file);
}
