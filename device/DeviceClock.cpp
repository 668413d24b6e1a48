#include "device/DeviceClock.h"

#include <cstdio>

namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Low byte of register r of a 0x04 answer.
int RegisterValue(const std::uint8_t* frame, int r) {
    return frame[3 + 2 * r + 1];
}

bool InRange(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

} // namespace

std::array<std::uint8_t, kClockRegisters> ClockSetData(const DeviceTime& time) {
    return {static_cast<std::uint8_t>(time.second), static_cast<std::uint8_t>(time.minute),
            static_cast<std::uint8_t>(time.hour), static_cast<std::uint8_t>(time.day),
            static_cast<std::uint8_t>(time.month)};
}

std::optional<DeviceTime> ParseClockAnswer(const std::uint8_t* frame, int length) {
    if (length < kClockAnswerLength - 2 || frame[2] != kClockAnswerCount)
        return std::nullopt;
    return DeviceTime{RegisterValue(frame, 0), RegisterValue(frame, 1), RegisterValue(frame, 2),
                      RegisterValue(frame, 3), RegisterValue(frame, 4)};
}

std::string ClockTimeText(const DeviceTime& time) {
    return TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second);
}

std::string ClockDateText(const DeviceTime& time) {
    return TwoDigits(time.day) + "." + TwoDigits(time.month) + ".";
}

bool IsValidDeviceTime(const DeviceTime& time) {
    return InRange(time.second, 0, 59) && InRange(time.minute, 0, 59) &&
           InRange(time.hour, 0, 23) && InRange(time.day, 1, 31) && InRange(time.month, 1, 12);
}
