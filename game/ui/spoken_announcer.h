// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

class QTimer;

// The line under the board that tells a screen reader what happens in a manche while
// the player stays in the word box: the drawn letters, the seconds left, the computer
// players' announcement, the time asked for with its key.
//
// Orca 43 with Qt 6.4 does not speak a change of a control's name or description (Qt
// hands Orca the object instead of the new text) nor an alert on a label the player
// is not on; it does speak a notification that is shown. So this label is known to
// assistive tools as a notification, and each message hides it, takes the new text
// and shows it again. Messages said within one pass of the event loop (the seconds
// and the announcement of the same tick) go out together, as one utterance.
class SpokenAnnouncer : public QLabel {
    Q_OBJECT

public:
    explicit SpokenAnnouncer(QWidget* parent = nullptr);

    // Queues `message`; it is spoken, with any other queued in the same pass, once
    // control is back in the event loop. Nothing is said for an empty message.
    void Say(const QString& message);
    // Queues that player `playerNumber` (1 to 4) has announced a word; the players of
    // one pass are named together, after the other messages of that pass.
    void SayAnnounced(int playerNumber);
    // Drops what is queued and empties the line (a new draw, a new game).
    void Clear();

    // Every utterance made so far, oldest first.
    QStringList Spoken() const { return spoken_; }

private:
    void Flush();

    QStringList pending_;
    QList<int> announced_;
    QStringList spoken_;
    QTimer* flush_;
};
