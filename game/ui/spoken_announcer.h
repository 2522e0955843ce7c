// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/spoken_notice.h"

#include <QString>
#include <QStringList>

class QTimer;

// The line under the board that tells a screen reader what happens in a manche while
// the player stays in the word box: the drawn letters, the seconds left, the computer
// players' announcement, the time asked for with its key.
//
// Messages said within one pass of the event loop (the seconds and the announcement
// of the same tick) go out together, as one utterance.
//
// The line is seen too, so it goes away a few seconds after it spoke: "Mancano 30
// secondi" must not stand on the window at 44 of 60.
class SpokenAnnouncer : public SpokenNotice {
    Q_OBJECT

public:
    static constexpr int kShownMs = 4000;

    explicit SpokenAnnouncer(QWidget* parent = nullptr);

    // Queues `message`; it is spoken, with any other queued in the same pass, once
    // control is back in the event loop. Nothing is said for an empty message.
    void Say(const QString& message);
    // Queues that player `playerNumber` (1 to 4) has announced a word of `letters`
    // letters; the players of one pass are named together, with the length of each
    // word, after the other messages of that pass.
    void SayAnnounced(int playerNumber, int letters);
    // Drops what is queued and empties the line (a new draw, a new game).
    void Clear();

    // Every utterance made so far, oldest first.
    QStringList Spoken() const { return spoken_; }

private:
    void Flush();

    QStringList pending_;
    QList<std::pair<int, int>> announced_;  // player number, letters
    QStringList spoken_;
    QTimer* flush_;
    QTimer* fade_;
};
