// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_face.h"

#include "game/ui/board/tile_geometry.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kTileBackground(192, 192, 192);
const QColor kBorder(64, 64, 64);
const QColor kShadow(0, 0, 0);          // colour 0 of the 16-colour palette
const QColor kLetter(0, 255, 255);      // colour 11, light cyan
}  // namespace

TileFace::TileFace(QWidget* parent) : QWidget(parent)
{
    setFixedSize(TileGeometry::kTileWidth, TileGeometry::kTileHeight);
    // A click on a tile must leave the focus in the word box it types into.
    setFocusPolicy(Qt::NoFocus);
    Clear(true);
}

void TileFace::Clear(bool bordered)
{
    bordered_ = bordered;
    margin_ = bordered ? 1 : 0;
    picture_ = QPixmap();
    letter_.clear();
    update();
}

int TileFace::TileGeometryWidth()
{
    return TileGeometry::kTileWidth;
}

void TileFace::SetScale(double scale)
{
    scale_ = scale;
    setFixedSize(TileGeometry::ScaledSize({TileGeometry::kTileWidth, TileGeometry::kTileHeight}, scale));
    update();
}

void TileFace::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TileFace::PrintLetter(const QString& letter, const QFont& font)
{
    letter_ = letter;
    font_ = font;
    const QFontMetricsF metrics(font_, this);
    letterOrigin_ = TileGeometry::LetterOrigin(metrics.horizontalAdvance(letter_), metrics.height());
    update();
}

void TileFace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), kTileBackground);
    if (bordered_) {
        painter.setPen(kBorder);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // Everything inside is drawn on the 63 x 90 surface and enlarged with the board,
    // so letters stay sharp at any size. The surface starts inside the border; the
    // picture sits at its top-left at its own size, as a picture box shows it.
    painter.scale(scale_, scale_);
    const QRect inner = QRect(0, 0, TileGeometry::kTileWidth, TileGeometry::kTileHeight)
                            .adjusted(margin_, margin_, -margin_, -margin_);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    if (letter_.isEmpty())
        return;
    painter.setFont(font_);
    const QFontMetricsF metrics(font_, this);
    const QPointF baseline(letterOrigin_.x(), letterOrigin_.y() + metrics.ascent());
    painter.setPen(kShadow);
    painter.drawText(baseline, letter_);
    painter.setPen(kLetter);
    painter.drawText(baseline - QPointF(2, 2), letter_);
}

void TileFace::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Nothing of this object is touched after the signal: its handler may run long.
    event->accept();
    emit Clicked();
}
