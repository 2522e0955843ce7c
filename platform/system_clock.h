#pragma once

#include "clock.h"

class SystemClock : public Clock {
public:
    QDateTime Now() override;
};
