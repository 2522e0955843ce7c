// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// How many messages one connection may send: a bucket of `burst` messages refilled at
// `perSecond`; a message that finds it empty is refused, and a connection refused
// `mostRefusedInARow` times in a row is to be closed.
class MessageRate {
public:
    using Clock = std::chrono::steady_clock;

    MessageRate(double perSecond = 20, double burst = 40, int mostRefusedInARow = 200);

    enum class Verdict { Take, Refuse, Close };
    Verdict Admit(Clock::time_point now);

private:
    const double perSecond_;
    const double burst_;
    const int mostRefusedInARow_;
    double tokens_;
    Clock::time_point last_{};
    bool started_ = false;
    int refusedInARow_ = 0;
};
