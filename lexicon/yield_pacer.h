#pragma once

#include <QElapsedTimer>

#include <chrono>
#include <functional>

// How a long job shares the one thread with the windows: it lets pending events run
// now and then, and after each such pause asks whether the state it works for is
// still there (no new game, language, draw or closed window meanwhile).
struct Cooperation {
    // Lets pending window events run; none in a command-line tool.
    std::function<void()> yield;
    // False once the job has been overtaken: it must then stop and write nothing.
    // None: the job is never overtaken.
    std::function<bool()> stillCurrent;
    // The longest stretch of work between two yields. A few milliseconds keep the
    // windows responsive without slowing the job down; 0 yields at every step.
    std::chrono::microseconds interval = std::chrono::milliseconds(4);
};

// Paces the yields of one job. The job calls Step between two small pieces of work;
// Step yields when the interval has passed since the last yield, and only a yield
// can let the state change, so the stale check follows each yield.
class YieldPacer {
public:
    explicit YieldPacer(const Cooperation& cooperation);

    // Returns false when the job has been overtaken and must stop.
    bool Step()
    {
        if (--untilClockCheck_ > 0)
            return true;
        return StepSlow();
    }

private:
    // Reading the clock costs more than a letter test: look at it every few steps.
    static constexpr int kStepsPerClockCheck = 32;

    bool StepSlow();

    const Cooperation& cooperation_;
    QElapsedTimer sinceYield_;
    int untilClockCheck_ = 1;
};
