#include "ui/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

std::int64_t SystemClock::monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleepMs(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

WallTime SystemClock::wallNow() {
    using namespace std::chrono;
    const auto since = system_clock::now().time_since_epoch();
    const std::time_t now = duration_cast<seconds>(since).count();
    std::tm local{};
    localtime_r(&now, &local);
    WallTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.dayOfWeek = local.tm_wday == 0 ? 7 : local.tm_wday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    t.millisecond = static_cast<int>(duration_cast<milliseconds>(since).count() % 1000);
    return t;
}
