// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/spoken_announcer.h"

#include "game/core/announcement.h"

#include <QTimer>

SpokenAnnouncer::SpokenAnnouncer(QWidget* parent) : SpokenNotice(parent), flush_(new QTimer(this)), fade_(new QTimer(this))
{
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
    fade_->setSingleShot(true);
    fade_->setInterval(kShownMs);
    connect(fade_, &QTimer::timeout, this, &QWidget::hide);
}

void SpokenAnnouncer::Say(const QString& message)
{
    if (message.isEmpty())
        return;
    pending_.append(message);
    flush_->start();
}

void SpokenAnnouncer::SayAnnounced(int playerNumber, int letters)
{
    announced_.append({playerNumber, letters});
    flush_->start();
}

void SpokenAnnouncer::Clear()
{
    pending_.clear();
    announced_.clear();
    flush_->stop();
    fade_->stop();
    hide();
    clear();
}

void SpokenAnnouncer::Flush()
{
    if (!announced_.isEmpty()) {
        QList<int> players;
        for (const auto& announced : std::as_const(announced_))
            players.append(announced.first);
        pending_.append(Announcement::AnnouncedText(players));
        pending_.append(Announcement::AnnouncedLengths(announced_));
    }
    announced_.clear();
    if (pending_.isEmpty())
        return;
    const QString message = pending_.join(QStringLiteral(". "));
    pending_.clear();
    // The time key pressed twice says the same words twice.
    Announce(message);
    fade_->start();
    spoken_.append(message);
}
