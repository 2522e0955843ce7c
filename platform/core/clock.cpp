// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/clock.h"

double Clock::SecondsSinceMidnight()
{
    return Now().time().msecsSinceStartOfDay() / 1000.0;
}
