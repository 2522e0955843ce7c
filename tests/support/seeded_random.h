// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/random_source.h"

#include <cstdint>
#include <random>

// The same numbers for the same seed, on every run and every thread: a game played
// with it can be played again and compared.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // 53 random bits scaled into [0, 1), the same on every standard library.
    double Next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};
