#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The device's real-time clock on the wire. Reading is function 0x04 (read
// input registers) for registers 0..4; each register carries one value in its
// low byte (seconds, minutes, hours, day of month, month), the high bytes mean
// nothing. Setting is function 0x46, sent to every device at once (broadcast,
// no answer) with the five values as plain bytes, not BCD. Year and day of the
// week are neither read nor sent.

struct DeviceTime {
    int second = 0;
    int minute = 0;
    int hour = 0;
    int day = 1;
    int month = 1;
};

inline constexpr int kClockRegisters = 5;
// Request data of the clock read: start register 0, 5 registers, high byte first.
inline constexpr std::array<std::uint8_t, 4> kClockReadRequest{0, 0, 0, kClockRegisters};
// Answer: address, 0x04, byte count 10, five registers, CRC.
inline constexpr int kClockAnswerCount = 2 * kClockRegisters;
inline constexpr int kClockAnswerLength = 3 + kClockAnswerCount + 2;

// Data of the 0x46 request: seconds, minutes, hours, day, month, one byte each.
std::array<std::uint8_t, kClockRegisters> ClockSetData(const DeviceTime& time);

// The time in a 0x04 answer frame of `length` bytes (CRC already checked by the
// link); nothing when the frame is too short or announces another byte count.
std::optional<DeviceTime> ParseClockAnswer(const std::uint8_t* frame, int length);

// "hh:mm:ss" and "dd.MM." as the clock dialog shows them: two digits at least,
// a value above 99 keeps all its digits.
std::string ClockTimeText(const DeviceTime& time);
std::string ClockDateText(const DeviceTime& time);

// The values are those the clock dialog lets through (0..59, 0..59, 0..23, 1..31, 1..12).
bool IsValidDeviceTime(const DeviceTime& time);
