// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `act` on the next modal window as soon as it is open, then closes it if `act`
// left it open, so that a failing test ends instead of waiting for a click forever.
inline void WhenModalOpens(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
        if (modal->isVisible())
            modal->close();
    });
    poll->start();
}
