// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"

class SystemClock : public Clock {
public:
    QDateTime Now() override;
};
