// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <set>

TEST(SystemRandom, DrawsWithinOneFrozenClockTickStillDiffer)
{
    FakeClock frozen;
    SystemRandom random(frozen);
    std::set<double> seen;
    for (int i = 0; i < 200; ++i) {
        const double r = random.Next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        seen.insert(r);
    }
    EXPECT_GT(seen.size(), 190u);
}

TEST(SystemRandom, PicksCoverEveryOneOfKThingsUniformly)
{
    SystemClock clock;
    SystemRandom random(clock);
    std::array<int, 6> counts{};
    for (int i = 0; i < 6000; ++i) {
        const int pick = random.Pick(6);
        ASSERT_GE(pick, 1);
        ASSERT_LE(pick, 6);
        ++counts[pick - 1];
    }
    for (int count : counts)
        EXPECT_GT(count, 800);
}
