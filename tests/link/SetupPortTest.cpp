#include "link/DeviceLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

namespace {

class SetupPortTest : public ::testing::Test {
protected:
    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
};

TEST_F(SetupPortTest, DefaultsOpenThePort) {
    EXPECT_EQ(link.SetupPort(), 0);
    ASSERT_EQ(line.opened.size(), 1u);
    const LineSettings& s = line.opened[0];
    EXPECT_EQ(s.portName, "COM1");
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.parity, LineParity::None);
    EXPECT_EQ(s.stopBits, 2);
    EXPECT_TRUE(link.IsPortOpen());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetupPortTest, SettingsAreTranslated) {
    link.BaudRate = "19200";
    link.Parity = "O";
    link.StopBits = "1";
    link.PortName = "COM256";
    EXPECT_EQ(link.SetupPort(), 0);
    const LineSettings& s = line.opened.at(0);
    EXPECT_EQ(s.portName, "COM256");
    EXPECT_EQ(s.baudRate, 19200);
    EXPECT_EQ(s.parity, LineParity::Odd);
    EXPECT_EQ(s.stopBits, 1);
    EXPECT_EQ(link.BaudRate, "19200") << "a long port name must not spill into other settings";
}

TEST_F(SetupPortTest, RefusedSettingsLeaveThePortClosed) {
    struct Case {
        const char* baud;
        const char* parity;
        const char* stopBits;
        const char* port;
    };
    for (const Case& c : {Case{"9600", "X", "2", "COM1"}, Case{"9600", "N", "3", "COM1"},
                          Case{"1000", "N", "2", "COM1"}, Case{"9600", "N", "2", "LPT1"},
                          Case{"9600", "N", "2", "Com2"}, Case{"96OO", "N", "2", "COM1"},
                          Case{"", "N", "2", "COM1"}, Case{"9600", "", "2", "COM1"}}) {
        link.BaudRate = c.baud;
        link.Parity = c.parity;
        link.StopBits = c.stopBits;
        link.PortName = c.port;
        line.portOpen = true;
        EXPECT_EQ(link.SetupPort(), -1) << c.baud << c.parity << c.stopBits << c.port;
        EXPECT_FALSE(link.IsPortOpen());
    }
    EXPECT_TRUE(line.opened.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetupPortTest, EveryListedBaudRateAndLowerCaseComAreAccepted) {
    for (const char* baud : {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200",
                             "38400", "56000", "57600", "115200"}) {
        link.BaudRate = baud;
        EXPECT_EQ(link.SetupPort(), 0) << baud;
    }
    link.PortName = "com2";
    EXPECT_EQ(link.SetupPort(), 0);
    EXPECT_EQ(line.opened.back().portName, "com2");
}

// An adapter pulled out: the message, the port closed with its reason, the
// window told; a port that opens later clears the reason.
TEST_F(SetupPortTest, PortThatCannotBeOpenedSaysWhyUntilOneOpens) {
    int lost = 0;
    link.SetPortLostNotice([&lost] { ++lost; });
    line.openResult = OpenResult::Failed;
    EXPECT_EQ(link.SetupPort(), -1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "COM-порт отключен. Проверьте оборудование, перезапустите программу.");
    EXPECT_EQ(messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(link.LossReason(), "COM1 не открывается (line error)");
    EXPECT_EQ(lost, 1);
    line.openResult = OpenResult::Opened;
    EXPECT_EQ(link.SetupPort(), 0);
    EXPECT_EQ(link.LossReason(), "");
}

TEST_F(SetupPortTest, SettingsThePortCannotRunFailQuietly) {
    line.openResult = OpenResult::SettingsRefused;
    link.Parity = "E";
    EXPECT_EQ(link.SetupPort(), -1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(link.LossReason(), "");
}

TEST_F(SetupPortTest, FailedCloseIsReportedAndSetupGoesOn) {
    line.failClose = true;
    EXPECT_EQ(link.SetupPort(), 0);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(link.IsPortOpen());
    EXPECT_EQ(link.LossReason(), "") << "the port opened after all";
}

} // namespace
