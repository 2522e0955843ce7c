// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

// One letter tile: a 63 x 90 pixel surface, drawn enlarged by the board's scale
// (the drawing coordinates stay those of the 63 x 90 surface) that shows an optional background
// picture, an optional one-pixel border and, when printed, its letter in light cyan
// with a black shadow two pixels down and right.
class TileFace : public QWidget {
    Q_OBJECT
public:
    explicit TileFace(QWidget* parent = nullptr);

    // Clears the tile: no letter, no picture; `bordered` gives the thin frame.
    void Clear(bool bordered);
    // A picture of a device pixel ratio above 1 (a picture made at twice the
    // resolution) takes the room of its size divided by that ratio.
    void SetPicture(const QPixmap& picture);
    // The board's enlargement: the tile covers 63 x 90 times `scale` pixels.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    // Prints `letter` in `font`, placed as TileGeometry::LetterOrigin says.
    void PrintLetter(const QString& letter, const QFont& font);

    // Width of the drawing surface inside the border, in the tile's own pixels.
    int InnerWidth() const { return TileGeometryWidth() - 2 * margin_; }
    bool Bordered() const { return bordered_; }
    bool HasPicture() const { return !picture_.isNull(); }
    const QPixmap& Picture() const { return picture_; }
    QString PrintedLetter() const { return letter_; }
    QPoint LetterPosition() const { return letterOrigin_; }
    QFont LetterFont() const { return font_; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static int TileGeometryWidth();

    bool bordered_ = true;
    int margin_ = 1;
    double scale_ = 1.0;
    QPixmap picture_;
    QString letter_;
    QFont font_;
    QPoint letterOrigin_;
};
