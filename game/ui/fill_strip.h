// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>
#include <QRectF>

#include <vector>

// A sunken strip that shows filled boxes on a plain background: the time bar and
// the search progress strip. Boxes stay until Clear, so every repaint shows them.
// Each box keeps its place as a share of the strip, so a resized strip draws its
// boxes where they belong at its new size. The ground is the palette's base colour,
// and a box too dark (or too light) to read on it is shown in a readable shade of
// its colour. Assistive tools see a progress bar whose value is how far along its
// width the boxes reach. It is read when asked for, never told as it changes: a
// screen reader would say the time bar's percentage every few seconds over the
// game's own spoken seconds.
class FillStrip : public QFrame {
    Q_OBJECT

public:
    struct Box {
        QRectF area;  // in the strip's inner coordinates, pixels from its top left
        QColor color;
    };

    explicit FillStrip(QWidget* parent = nullptr);

    void Clear();
    // `area` is in pixels of the strip's current inner size.
    void FillBox(const QRectF& area, const QColor& color);

    int InnerWidth() const { return contentsRect().width(); }
    int InnerHeight() const { return contentsRect().height(); }
    // The boxes in pixels of the strip's current inner size.
    std::vector<Box> Boxes() const;
    // How far along the width the boxes reach, 0 to 100.
    int FilledPercent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF ToPixels(const QRectF& share) const;

    std::vector<Box> shares_;  // areas as shares of the inner width and height
};
