// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/link_picture.h"

#include "platform/ui/sharp_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// The picture as a link for screen readers, pressed like a button.
class LinkPictureAccessible : public QAccessibleWidget {
public:
    explicit LinkPictureAccessible(LinkPicture* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<LinkPicture*>(widget())->Activate();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* MakeLinkPictureAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkPicture") && object && object->isWidgetType())
        return new LinkPictureAccessible(static_cast<LinkPicture*>(object));
    return nullptr;
}

}  // namespace

LinkPicture::LinkPicture(const QString& description, const QString& fallbackText, QWidget* parent)
    : QLabel(parent), fallbackText_(fallbackText)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(MakeLinkPictureAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setToolTip(description);
    setAccessibleName(description);
    setAccessibleDescription(description);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setMargin(3);
    setText(fallbackText_);
}

void LinkPicture::LoadPicture(const ProgramFiles& files, const QString& fileName)
{
    // The copy at twice the resolution on an enlarged screen, where there is one.
    const QPixmap picture = SharpPicture::Load(files, fileName, devicePixelRatioF());
    showsPicture_ = !picture.isNull();
    if (showsPicture_) {
        setPixmap(picture);
    } else {
        setTextFormat(Qt::RichText);
        setText(QStringLiteral("<u>%1</u>").arg(fallbackText_.toHtmlEscaped()));
    }
}

void LinkPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkPicture::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Activate();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkPicture::Activate()
{
    emit Activated();
}

void LinkPicture::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A keyboard user must see which link Enter will open.
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
