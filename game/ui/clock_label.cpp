// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/clock_label.h"

ClockLabel::ClockLabel(const QString& caption, QWidget* parent) : QLabel(parent)
{
    setAccessibleDescription(caption);
}
