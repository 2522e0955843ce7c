#include "link_picture.h"

#include "program_folder.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>

LinkPicture::LinkPicture(const QString& description, const QString& fallbackText, QWidget* parent)
    : QLabel(parent), fallbackText_(fallbackText)
{
    setToolTip(description);
    setAccessibleName(description);
    setAccessibleDescription(description);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setMargin(3);
    setText(fallbackText_);
}

void LinkPicture::LoadPicture(const QString& fileName)
{
    const QPixmap picture(ProgramFolder::Resolve(fileName));
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
        emit Activated();
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
        emit Activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
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
