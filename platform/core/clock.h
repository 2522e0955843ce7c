// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The time of day. Tests freeze or advance it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() = 0;

    // Seconds since midnight, with fraction (the classic "Timer" value).
    double SecondsSinceMidnight();
};
