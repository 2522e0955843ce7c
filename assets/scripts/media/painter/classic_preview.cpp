// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

void paintClassicPreview(const QString& background, const QString& file) {
    // The classic style prints the letter in a 54-point sans serif on the 63 x 90
    // tile: black first, then light cyan two pixels up and to the left.
    QImage tile = QImage(background).convertToFormat(QImage::Format_RGB32).scaled(63, 90);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(72);
    painter.setFont(font);
    const QString letter = QStringLiteral("M");
    const QFontMetrics metrics(font);
    const int x = (63 - metrics.horizontalAdvance(letter)) / 2 - 1;
    const int y = (90 - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(Qt::black);
    painter.drawText(x, y, letter);
    painter.setPen(QColor(85, 255, 255));
    painter.drawText(x - 2, y - 2, letter);
    painter.end();
    tile.save(file);
}
