#pragma once

#include <QDateTime>

// The time of day, and waiting. Tests freeze or advance it instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() = 0;
    // Blocks the calling thread without running window events and without using the CPU.
    virtual void Sleep(double seconds) = 0;

    // Seconds since midnight, with fraction (the classic "Timer" value).
    double SecondsSinceMidnight();
};
