#pragma once

#include <QColor>
#include <QFrame>
#include <QRectF>

#include <vector>

// A sunken strip that shows filled boxes on a plain background: the time bar and
// the search progress strip. Boxes stay until Clear, so every repaint shows them.
class FillStrip : public QFrame {
    Q_OBJECT

public:
    struct Box {
        QRectF area;  // in the strip's inner coordinates, pixels from its top left
        QColor color;
    };

    explicit FillStrip(QWidget* parent = nullptr);

    void Clear();
    void FillBox(const QRectF& area, const QColor& color);

    int InnerWidth() const { return contentsRect().width(); }
    int InnerHeight() const { return contentsRect().height(); }
    const std::vector<Box>& Boxes() const { return boxes_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Box> boxes_;
};
