// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/message_rate.h"

#include <algorithm>

MessageRate::MessageRate(double perSecond, double burst, int mostRefusedInARow)
    : perSecond_(perSecond), burst_(burst), mostRefusedInARow_(mostRefusedInARow), tokens_(burst)
{
}

MessageRate::Verdict MessageRate::Admit(Clock::time_point now)
{
    if (started_) {
        const double seconds = std::chrono::duration<double>(now - last_).count();
        tokens_ = std::min(burst_, tokens_ + std::max(0.0, seconds) * perSecond_);
    }
    started_ = true;
    last_ = now;
    if (tokens_ >= 1) {
        tokens_ -= 1;
        refusedInARow_ = 0;
        return Verdict::Take;
    }
    return ++refusedInARow_ >= mostRefusedInARow_ ? Verdict::Close : Verdict::Refuse;
}
