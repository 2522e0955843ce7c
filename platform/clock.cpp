#include "clock.h"

double Clock::SecondsSinceMidnight()
{
    return Now().time().msecsSinceStartOfDay() / 1000.0;
}
