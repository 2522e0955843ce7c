// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// The label beside the time bar. Screen readers know it by a stable name and hear
// its text ("12 / 60 Sec.") as its value, which they are told of as it changes.
class ClockLabel : public QLabel {
    Q_OBJECT

public:
    ClockLabel(const QString& accessibleName, QWidget* parent = nullptr);

    // Tells assistive tools at once of something they must not miss (the computer
    // players' announcement), beyond sound and asterisks.
    void Alert(const QString& message);
    QString LastAlert() const { return lastAlert_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString announcedText_;
    QString lastAlert_;
};
