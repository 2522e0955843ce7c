#include "fill_strip.h"

#include <QPainter>

FillStrip::FillStrip(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::white);
    setPalette(colors);
}

void FillStrip::Clear()
{
    boxes_.clear();
    update();
}

void FillStrip::FillBox(const QRectF& area, const QColor& color)
{
    boxes_.push_back({area, color});
    update();
}

void FillStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    for (const Box& box : boxes_)
        painter.fillRect(box.area, box.color);
}
