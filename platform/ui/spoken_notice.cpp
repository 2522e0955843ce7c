// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class SpokenNoticeAccessible : public QAccessibleWidget {
public:
    explicit SpokenNoticeAccessible(SpokenNotice* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const SpokenNotice*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// Asked for every class name up the object's hierarchy: a subclass is a notice too.
QAccessibleInterface* MakeSpokenNoticeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("SpokenNotice") && object && object->isWidgetType())
        return new SpokenNoticeAccessible(static_cast<SpokenNotice*>(object));
    return nullptr;
}

}  // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeSpokenNoticeAccessible);
        return true;
    }();
    (void)installed;
}

void SpokenNotice::Announce(const QString& message)
{
    hide();
    setText(message);
    show();
}
