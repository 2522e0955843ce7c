// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/system_clock.h"

QDateTime SystemClock::Now()
{
    return QDateTime::currentDateTime();
}
