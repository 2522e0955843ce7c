#include "system_clock.h"

QDateTime SystemClock::Now()
{
    return QDateTime::currentDateTime();
}
