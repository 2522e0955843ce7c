#include "system_clock.h"

#include <chrono>
#include <thread>

QDateTime SystemClock::Now()
{
    return QDateTime::currentDateTime();
}

void SystemClock::Sleep(double seconds)
{
    if (seconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
