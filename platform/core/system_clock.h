// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/clock.h"

class SystemClock : public Clock {
public:
    QDateTime Now() override;
};
