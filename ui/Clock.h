#pragma once

#include <cstdint>

// Calendar date and time of the computer, as the clock dialog shows it.
struct WallTime {
    int year = 2000;
    int month = 1;     // 1..12
    int day = 1;       // 1..31
    int dayOfWeek = 1; // 1 = Monday .. 7 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0; // 0..999
};

// Time for pauses and time-outs (monotonic milliseconds) and the wall clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t monotonicMs() = 0;
    // Waits at least ms milliseconds without spinning.
    virtual void sleepMs(int ms) = 0;
    virtual WallTime wallNow() = 0;
};

// The real clock: steady_clock for intervals, the system clock for the date.
class SystemClock : public Clock {
public:
    std::int64_t monotonicMs() override;
    void sleepMs(int ms) override;
    WallTime wallNow() override;
};
