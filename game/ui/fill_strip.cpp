// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/fill_strip.h"

#include "game/ui/palette_colors.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The strip as a progress bar for screen readers, its value the filled share.
class FillStripAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FillStripAccessible(FillStrip* strip) : QAccessibleWidget(strip, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QStringLiteral("%1%").arg(Strip()->FilledPercent());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Strip()->FilledPercent(); }
    void setCurrentValue(const QVariant&) override {}  // shows progress, takes none
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    FillStrip* Strip() const { return static_cast<FillStrip*>(widget()); }
};

QAccessibleInterface* MakeFillStripAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("FillStrip") && object && object->isWidgetType())
        return new FillStripAccessible(static_cast<FillStrip*>(object));
    return nullptr;
}

void InstallAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeFillStripAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace

FillStrip::FillStrip(QWidget* parent) : QFrame(parent)
{
    InstallAccessibleFactoryOnce();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // The strip's ground is the palette's base: white on a light desktop, dark on a
    // dark one, and it follows a change of the desktop's theme.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void FillStrip::Clear()
{
    shares_.clear();
    update();
}

void FillStrip::FillBox(const QRectF& area, const QColor& color)
{
    const double width = std::max(1, InnerWidth());
    const double height = std::max(1, InnerHeight());
    shares_.push_back({QRectF(area.x() / width, area.y() / height, area.width() / width, area.height() / height),
                       color});
    update();
}

QRectF FillStrip::ToPixels(const QRectF& share) const
{
    const double width = InnerWidth();
    const double height = InnerHeight();
    return QRectF(share.x() * width, share.y() * height, share.width() * width, share.height() * height);
}

std::vector<FillStrip::Box> FillStrip::Boxes() const
{
    std::vector<Box> boxes;
    boxes.reserve(shares_.size());
    for (const Box& share : shares_)
        boxes.push_back({ToPixels(share.area), share.color});
    return boxes;
}

int FillStrip::FilledPercent() const
{
    // How far the boxes reach: the time bar leaves small gaps between its slices,
    // which do not make the time any shorter.
    double reached = 0.0;
    for (const Box& share : shares_) {
        if (share.area.width() > 0)
            reached = std::max(reached, std::clamp(share.area.right(), 0.0, 1.0));
    }
    return static_cast<int>(std::lround(reached * 100.0));
}

void FillStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    const QColor ground = palette().color(QPalette::Base);
    for (const Box& share : shares_)
        painter.fillRect(ToPixels(share.area), PaletteColors::ReadableOn(share.color, ground));
}
