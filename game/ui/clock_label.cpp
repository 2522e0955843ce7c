// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ClockLabelAccessible : public QAccessibleWidget {
public:
    explicit ClockLabelAccessible(ClockLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const ClockLabel*>(widget());
        switch (kind) {
        case QAccessible::Value:
            return label->text();
        case QAccessible::Description:
            return label->LastAlert();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* MakeClockLabelAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClockLabel") && object && object->isWidgetType())
        return new ClockLabelAccessible(static_cast<ClockLabel*>(object));
    return nullptr;
}

}  // namespace

ClockLabel::ClockLabel(const QString& accessibleName, QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeClockLabelAccessible);
        return true;
    }();
    (void)installed;
    setAccessibleName(accessibleName);
}

void ClockLabel::Alert(const QString& message)
{
    lastAlert_ = message;
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ClockLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // QLabel::setText is not virtual: a new text shows up here, at its first paint.
    if (text() == announcedText_ || !QAccessible::isActive())
        return;
    announcedText_ = text();
    QAccessibleValueChangeEvent change(this, announcedText_);
    QAccessible::updateAccessibility(&change);
}
