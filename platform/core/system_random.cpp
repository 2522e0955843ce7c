// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/system_random.h"

#include "platform/core/clock.h"

#include <bit>

SystemRandom::SystemRandom(Clock& clock) : clock_(clock), engine_(std::random_device{}()) {}

double SystemRandom::Next()
{
    // Mix the time into the running state rather than restarting from it, so two
    // draws within one clock tick do not repeat each other.
    const auto time = std::bit_cast<std::uint64_t>(clock_.SecondsSinceMidnight());
    mixed_ = (mixed_ ^ time) * 0x9E3779B97F4A7C15ULL + engine_();
    engine_.seed(mixed_);
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    return r < 1.0 ? r : 0.0; // the distribution may round up to 1 on rare draws

}
