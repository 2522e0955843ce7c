// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// The label beside the time bar. Its text ("12 / 60 Sec.") is what assistive tools
// read as its name; the caption given here ("Tempo") goes in its description, so
// that a fixed name never hides the seconds.
class ClockLabel : public QLabel {
    Q_OBJECT

public:
    ClockLabel(const QString& caption, QWidget* parent = nullptr);
};
