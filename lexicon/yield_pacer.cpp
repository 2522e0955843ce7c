#include "yield_pacer.h"

YieldPacer::YieldPacer(const Cooperation& cooperation) : cooperation_(cooperation)
{
    sinceYield_.start();
}

bool YieldPacer::StepSlow()
{
    const bool everyStep = cooperation_.interval.count() <= 0;
    untilClockCheck_ = everyStep ? 1 : kStepsPerClockCheck;
    if (!everyStep && sinceYield_.nsecsElapsed() < cooperation_.interval.count() * 1000)
        return true;
    if (cooperation_.yield)
        cooperation_.yield();
    sinceYield_.restart();
    return !cooperation_.stillCurrent || cooperation_.stillCurrent();
}
