#include "ui/Clock.h"

#include <gtest/gtest.h>

TEST(SystemClock, SleepWaitsAtLeastTheRequestedTime) {
    SystemClock clock;
    const auto start = clock.monotonicMs();
    clock.sleepMs(30);
    EXPECT_GE(clock.monotonicMs() - start, 30);
}

TEST(SystemClock, WallTimeIsACalendarDate) {
    SystemClock clock;
    const WallTime t = clock.wallNow();
    EXPECT_GE(t.year, 2000);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
    EXPECT_GE(t.dayOfWeek, 1);
    EXPECT_LE(t.dayOfWeek, 7);
}
