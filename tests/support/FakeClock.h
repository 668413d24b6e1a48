#pragma once

#include "ui/Clock.h"

// Test time: sleeping only moves the number.
class FakeClock : public Clock {
public:
    std::int64_t monotonicMs() override { return now; }
    void sleepMs(int ms) override {
        if (ms > 0)
            now += ms;
        slept += ms > 0 ? ms : 0;
    }
    WallTime wallNow() override { return wall; }

    std::int64_t now = 1'000'000;
    std::int64_t slept = 0;
    WallTime wall;
};
