#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// Counts the changes that make long work stale: whoever owns the state a job works
// for (the main window: a new game, another language, a new draw) advances it, and
// destroying it (the window closes) overtakes every job too. A job started earlier
// then stops at its next check and writes nothing.
class WorkGeneration {
public:
    void Advance() { ++*counter_; }

    // A check whether the work is still current: true until the next Advance or until
    // this object is destroyed. Safe to call after that.
    std::function<bool()> CurrentCheck() const
    {
        return [counter = std::weak_ptr<const std::uint64_t>(counter_), start = *counter_] {
            const std::shared_ptr<const std::uint64_t> now = counter.lock();
            return now && *now == start;
        };
    }

private:
    std::shared_ptr<std::uint64_t> counter_ = std::make_shared<std::uint64_t>(0);
};
