// The clock's frames: the read answer taken apart, the setting request built.

#include "device/DeviceClock.h"
#include "link/Frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> ClockAnswer(std::vector<std::uint8_t> registers) {
    std::vector<std::uint8_t> frame(3 + registers.size());
    frame[0] = 1;
    frame[1] = kFnReadClock;
    frame[2] = 10;
    std::copy(registers.begin(), registers.end(), frame.begin() + 3);
    AppendCrc(frame);
    return frame;
}

TEST(DeviceClock, AnswerGivesTheLowBytesAsTheDialogShowsThem) {
    const auto frame = ClockAnswer({0x55, 9, 0, 5, 0, 7, 0, 3, 0, 11});
    const auto time = ParseClockAnswer(frame.data(), static_cast<int>(frame.size()));
    ASSERT_TRUE(time);
    EXPECT_EQ(ClockTimeText(*time), "07:05:09");
    EXPECT_EQ(ClockDateText(*time), "03.11.");
}

TEST(DeviceClock, ThreeDigitValueKeepsItsDigits) {
    const auto frame = ClockAnswer({0, 123, 0, 0, 0, 0, 0, 1, 0, 1});
    EXPECT_EQ(ClockTimeText(*ParseClockAnswer(frame.data(), static_cast<int>(frame.size()))),
              "00:00:123");
}

TEST(DeviceClock, AnswerOfAnotherCountIsRefused) {
    auto frame = ClockAnswer({0, 1, 0, 2, 0, 3, 0, 4, 0, 5});
    frame[2] = 8;
    EXPECT_FALSE(ParseClockAnswer(frame.data(), static_cast<int>(frame.size())));
    EXPECT_FALSE(ParseClockAnswer(frame.data(), 5));
}

TEST(DeviceClock, SettingGoesToEveryDeviceAsPlainBytes) {
    const auto data = ClockSetData({30, 15, 12, 1, 6});
    std::uint8_t request[16] = {};
    ASSERT_EQ(BuildRequest(4, kFnSetClock, data.data(), static_cast<int>(data.size()), request), 0);
    const std::vector<std::uint8_t> frame(request, request + 7);
    EXPECT_EQ(frame, (std::vector<std::uint8_t>{0x00, 0x46, 0x1E, 0x0F, 0x0C, 0x01, 0x06}));
    EXPECT_TRUE(ResponseCrcOk(request, 9));
}

TEST(DeviceClock, ValidTimesAreThoseTheDialogLetsThrough) {
    EXPECT_TRUE(IsValidDeviceTime({59, 59, 23, 31, 12}));
    EXPECT_FALSE(IsValidDeviceTime({60, 0, 0, 1, 1}));
    EXPECT_FALSE(IsValidDeviceTime({0, 0, 24, 1, 1}));
    EXPECT_FALSE(IsValidDeviceTime({0, 0, 0, 0, 1}));
    EXPECT_FALSE(IsValidDeviceTime({0, 0, 0, 1, 13}));
}

} // namespace
