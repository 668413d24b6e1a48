#pragma once

#include "ui/Clock.h"

#include <QDateTime>

#include <optional>

// Test time: sleeping only moves the number.
class FakeClock : public Clock {
public:
    std::int64_t monotonicMs() override { return now; }
    void sleepMs(int ms) override {
        if (ms > 0)
            now += ms;
        slept += ms > 0 ? ms : 0;
    }
    WallTime wallNow() override {
        if (!wallFrom_)
            return wall;
        const QDateTime at =
            QDateTime(QDate(wall.year, wall.month, wall.day),
                      QTime(wall.hour, wall.minute, wall.second, wall.millisecond), Qt::UTC)
                .addMSecs(now - *wallFrom_);
        return {at.date().year(), at.date().month(),  at.date().day(),    at.date().dayOfWeek(),
                at.time().hour(), at.time().minute(), at.time().second(), at.time().msec()};
    }
    // From here on the wall clock runs with `now`, from `at`, as a computer's
    // does; otherwise it stands at `wall`.
    void runWall(const WallTime& at) {
        wall = at;
        wallFrom_ = now;
    }

    std::int64_t now = 1'000'000;
    std::int64_t slept = 0;
    WallTime wall;

private:
    std::optional<std::int64_t> wallFrom_;
};
