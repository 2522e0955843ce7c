// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

// One letter tile: a 63 x 90 pixel surface that shows an optional background
// picture, an optional one-pixel border and, when printed, its letter in light cyan
// with a black shadow two pixels down and right.
class TileFace : public QWidget {
    Q_OBJECT
public:
    explicit TileFace(QWidget* parent = nullptr);

    // Clears the tile: no letter, no picture; `bordered` gives the thin frame.
    void Clear(bool bordered);
    void SetPicture(const QPixmap& picture);
    // Prints `letter` in `font`, placed as TileGeometry::LetterOrigin says.
    void PrintLetter(const QString& letter, const QFont& font);

    // Width of the drawing surface inside the border.
    int InnerWidth() const { return contentsRect().width(); }
    bool Bordered() const { return bordered_; }
    bool HasPicture() const { return !picture_.isNull(); }
    QString PrintedLetter() const { return letter_; }
    QPoint LetterPosition() const { return letterOrigin_; }
    QFont LetterFont() const { return font_; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool bordered_ = true;
    QPixmap picture_;
    QString letter_;
    QFont font_;
    QPoint letterOrigin_;
};
