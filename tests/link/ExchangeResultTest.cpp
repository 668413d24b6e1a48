#include "link/DeviceLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    int result;
    int addressIndex;
    const char* port;
    std::string text;
    const char* caption;
    MessageIcon icon;
};
void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "result " << c.result << " on " << c.port;
}

class ExchangeResultTable : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ExchangeResultTable, TextCaptionAndIcon) {
    const MessageCase& c = GetParam();
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    link.PortName = c.port;
    line.portOpen = true;
    ShowExchangeResult(link, c.addressIndex, c.result);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.text);
    EXPECT_EQ(messages.shown[0].caption, c.caption);
    EXPECT_EQ(messages.shown[0].icon, c.icon);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(line.isOpen(), c.result != kResultPortClosed);
}

const std::string kDev = "устройство ";
constexpr auto W = MessageIcon::Warning;
constexpr auto E = MessageIcon::Error;

INSTANTIATE_TEST_SUITE_P(
    EveryRow, ExchangeResultTable,
    ::testing::Values(
        MessageCase{6, 2, "COM3", kDev + "3 COM3" + " Идет запись базы данных. Ждите.",
                    "Предупреждение", W},
        MessageCase{128, 0, "COM1", kDev + "1 COM1" + " ошибка приема данных ", "Предупреждение",
                    W},
        MessageCase{129, 30, "COM12", kDev + "31 COM12" + " тайм-аут приема данных",
                    "Предупреждение", W},
        MessageCase{130, 0, "COM1", kDev + "1 COM1" + " не отвечает на запрос", "Предупреждение",
                    W},
        MessageCase{131, 4, "com2", kDev + "5 com2" + " ошибка контрольной суммы", "Предупреждение",
                    W},
        MessageCase{132, 4, "COM1", " невозможно открыть последовательный порт ", "Предупреждение",
                    W},
        MessageCase{133, 0, "COM1", "вероятно, порт не настроен", "Ошибка", E},
        MessageCase{134, 0, "COM1", "сбой настройки порта при выключении прибора", "Ошибка", E},
        MessageCase{135, 0, "COM1", "ошибка настройки порта", "Ошибка", E},
        MessageCase{256, 0, "COM1", "Не выбран COM-порт.", "Ошибка", E},
        MessageCase{1, 0, "COM1", kDev + "1 COM1" + " ошибка обмена " + "01", "Предупреждение", W},
        MessageCase{2, 0, "COM1", kDev + "1 COM1" + " ошибка обмена " + "02", "Предупреждение", W},
        MessageCase{0x7F, 1, "COM1", kDev + "2 COM1" + " ошибка обмена " + "7F", "Предупреждение",
                    W},
        MessageCase{257, 0, "COM1", kDev + "1 COM1" + " ошибка обмена " + "101", "Предупреждение",
                    W}),
    [](const ::testing::TestParamInfo<MessageCase>& info) {
        const MessageCase& c = info.param;
        return "Result" + std::to_string(c.result) + "Row" + std::to_string(info.index);
    });

TEST(ExchangeResultText, SpelledOutForAddressOneOnCom1) {
    EXPECT_EQ(ExchangeResultText("COM1", 0, 130), "устройство 1 COM1 не отвечает на запрос");
    EXPECT_EQ(ExchangeResultText("COM3", 2, 6),
              "устройство 3 COM3 Идет запись базы данных. Ждите.");
}

TEST(ShowExchangeResult, SuccessReportedLineFailuresAndAbandonedExchangesShowNothing) {
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    ShowExchangeResult(link, 0, kResultOk);
    ShowExchangeResult(link, 0, kResultLineFailed);
    ShowExchangeResult(link, 0, 1024);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ShowExchangeResult, PortClosedClosesEvenAClosedPort) {
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    ShowExchangeResult(link, 0, kResultPortClosed);
    EXPECT_EQ(line.closes, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
