#include "ui/Clock.h"

#include <QDateTime>

#include <chrono>
#include <thread>

std::int64_t SystemClock::monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleepMs(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Local time through Qt, which has it on every platform (localtime_r is POSIX only).
WallTime SystemClock::wallNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    WallTime t;
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.dayOfWeek = date.dayOfWeek(); // Monday 1 .. Sunday 7
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    t.millisecond = time.msec();
    return t;
}
