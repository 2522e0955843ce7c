// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_announcer.h"

#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace {

class SpokenAnnouncerAccessible : public QAccessibleWidget {
public:
    explicit SpokenAnnouncerAccessible(SpokenAnnouncer* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const SpokenAnnouncer*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeSpokenAnnouncerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("SpokenAnnouncer") && object && object->isWidgetType())
        return new SpokenAnnouncerAccessible(static_cast<SpokenAnnouncer*>(object));
    return nullptr;
}

}  // namespace

SpokenAnnouncer::SpokenAnnouncer(QWidget* parent) : QLabel(parent), flush_(new QTimer(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeSpokenAnnouncerAccessible);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("spokenLine"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    QSizePolicy keepPlace = sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    setSizePolicy(keepPlace);
    hide();
    flush_->setSingleShot(true);
    flush_->setInterval(0);
    connect(flush_, &QTimer::timeout, this, &SpokenAnnouncer::Flush);
}

void SpokenAnnouncer::Say(const QString& message)
{
    if (message.isEmpty())
        return;
    pending_.append(message);
    flush_->start();
}

void SpokenAnnouncer::SayAnnounced(int playerNumber)
{
    announced_.append(playerNumber);
    flush_->start();
}

void SpokenAnnouncer::Clear()
{
    pending_.clear();
    announced_.clear();
    flush_->stop();
    hide();
    clear();
}

void SpokenAnnouncer::Flush()
{
    if (!announced_.isEmpty())
        pending_.append(Announcement::AnnouncedText(announced_));
    announced_.clear();
    if (pending_.isEmpty())
        return;
    const QString message = pending_.join(QStringLiteral(". "));
    pending_.clear();
    // A notification is read when it appears: it goes away first, so that the same
    // words said twice (the time key pressed again) are read twice.
    hide();
    setText(message);
    show();
    spoken_.append(message);
}
