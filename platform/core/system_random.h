// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/random_source.h"

#include <cstdint>
#include <random>

class Clock;

// A 64-bit Mersenne Twister whose state takes in the time of day before every draw.
class SystemRandom : public RandomSource {
public:
    explicit SystemRandom(Clock& clock);
    double Next() override;

private:
    Clock& clock_;
    std::mt19937_64 engine_;
    std::uint64_t mixed_ = 0;
};
