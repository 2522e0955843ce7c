// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A line of text that a screen reader speaks when it changes, wherever the focus is.
//
// Orca 43 with Qt 6.4 does not speak a change of a control's name or description (Qt
// hands Orca the object instead of the new text) nor an alert on a label the player
// is not on; it does speak a notification that is shown. So this label is known to
// assistive tools as a notification, and each message hides it, takes the new text
// and shows it again, so that the same words said twice are read twice.
class SpokenNotice : public QLabel {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* parent = nullptr);

    // Shows `message` and has it spoken.
    void Announce(const QString& message);
};
