// The rules of the device clock dialog on the scripted line.

#include "device/TimeDate.h"
#include "tests/device/DeviceFixture.h"

namespace {

// The dialog as its rules see it: seven fields, the display and the polling state.
struct FakeTimeDateWindow : TimeDateWindow {
    EntryField& timeField(int field) override { return fields[static_cast<std::size_t>(field)]; }
    void showDeviceTime(const std::string& t, const std::string& d) override {
        time = t;
        date = d;
    }
    void showPolling(bool on) override { pollingShown = on; }
    void showPortClosed(const std::string& text) override { portClosedShown = text; }
    void showModal() override { ++showings; }
    void requestClose() override { ++closeRequests; }

    std::array<FakeEntryField, kTimeFields> fields;
    std::string time, date;
    bool pollingShown = false;
    std::string portClosedShown;
    int showings = 0;
    int closeRequests = 0;
};

class TimeDateTest : public ::testing::Test, public DeviceFixture {
protected:
    TimeDateTest() {
        Attach(24, 8, Image{});
        model.AccessLevel = 1;
    }
    void Fields(std::initializer_list<const char*> texts) {
        int i = 0;
        for (const char* text : texts)
            dialog.fields[static_cast<std::size_t>(i++)].value = text;
    }
    std::vector<std::string> FieldTexts() const {
        std::vector<std::string> texts;
        for (const FakeEntryField& f : dialog.fields)
            texts.push_back(f.value);
        return texts;
    }
    // A clock answer with these five registers.
    void AnswerRegisters(std::array<std::uint16_t, 5> registers) {
        Bytes frame{1, 0x04, 10};
        for (std::uint16_t r : registers) {
            frame.push_back(static_cast<std::uint8_t>(r >> 8));
            frame.push_back(static_cast<std::uint8_t>(r & 0xFF));
        }
        AppendCrc(frame);
        line.answerAlways({{0, frame}});
    }

    FakeTimeDateWindow dialog;
    TimeDate logic{model, link, messages, clock, dialog};
};

TEST_F(TimeDateTest, OpeningSetsEveryFieldToOneAndShowingStartsPolling) {
    Fields({"00", "00", "00", "00", "00", "00", "00"});
    logic.openClockDialog();
    EXPECT_EQ(dialog.showings, 1);
    EXPECT_EQ(FieldTexts(), std::vector<std::string>(7, "1"));
    logic.onShow();
    EXPECT_TRUE(logic.polling());
    EXPECT_TRUE(dialog.pollingShown);
    logic.togglePolling();
    EXPECT_FALSE(dialog.pollingShown);
    logic.togglePolling();
    EXPECT_TRUE(dialog.pollingShown);
}

// On a closed port the dialog names it and polls nothing: a port never
// opened, a port lost that does not open again; a lost port that opens again
// is polled.
TEST_F(TimeDateTest, AClosedPortIsNamedInsteadOfAPoll) {
    link.ClosePort();
    logic.onShow();
    EXPECT_FALSE(logic.polling());
    EXPECT_FALSE(dialog.pollingShown);
    EXPECT_EQ(dialog.portClosedShown, "Порт закрыт");

    ASSERT_EQ(link.SetupPort(), 0);
    line.failRead = true;
    logic.pollDeviceClock();
    line.failRead = false;
    line.openResult = OpenResult::Failed;
    logic.onShow();
    EXPECT_FALSE(dialog.pollingShown);
    EXPECT_EQ(dialog.portClosedShown, "Порт закрыт: COM1 не открывается (line error)");

    line.openResult = OpenResult::Opened;
    logic.togglePolling();
    EXPECT_TRUE(logic.polling());
    EXPECT_TRUE(dialog.pollingShown);
}

TEST_F(TimeDateTest, PollShowsTheRegistersLowBytes) {
    AnswerRegisters({0x0009, 0x0005, 0x0007, 0x0003, 0x000B});
    logic.pollTick();
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0], (Bytes{0x01, 0x04, 0x00, 0x00, 0x00, 0x05, 0x30, 0x09}));
    EXPECT_EQ(dialog.time, "07:05:09");
    EXPECT_EQ(dialog.date, "03.11.");
    AnswerRegisters({0x017B, 0xFF05, 0x0007, 0x0003, 0x000B});
    logic.pollTick();
    EXPECT_EQ(dialog.time, "07:05:123");
    const DeviceTime& snapshot = logic.DeviceTimeSnapshot();
    EXPECT_EQ(std::vector<int>(
                  {snapshot.second, snapshot.minute, snapshot.hour, snapshot.day, snapshot.month}),
              std::vector<int>({123, 5, 7, 3, 11}));
}

TEST_F(TimeDateTest, FailedPollIsSilentAndKeepsTheDisplay) {
    sim->setClock({9, 5, 7, 3, 11}, clock.now);
    logic.pollDeviceClock();
    EXPECT_EQ(dialog.time, "07:05:09");
    line.answerAlways({});
    logic.pollDeviceClock();
    EXPECT_EQ(dialog.time, "07:05:09");
    EXPECT_EQ(dialog.date, "03.11.");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TimeDateTest, DeviceTimeNeedsPollingAndCopiesTheLastReading) {
    sim->setClock({9, 5, 7, 3, 11}, clock.now);
    logic.pollDeviceClock();
    Fields({"1", "1", "1", "1", "1", "1", "1"});
    logic.takeDeviceTime();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Включите запрос времени с прибора");
    EXPECT_EQ(messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(FieldTexts(), std::vector<std::string>(7, "1"));
    logic.togglePolling();
    logic.takeDeviceTime();
    EXPECT_EQ(FieldTexts(), (std::vector<std::string>{"9", "5", "7", "3", "11", "1", "1"}));
}

TEST_F(TimeDateTest, ComputerTimeFillsAllSevenFields) {
    clock.wall = WallTime{2026, 12, 7, 1, 14, 3, 58};
    logic.takeComputerTime();
    EXPECT_EQ(FieldTexts(), (std::vector<std::string>{"58", "3", "14", "7", "12", "26", "1"}));
    clock.wall.dayOfWeek = 7;
    logic.takeComputerTime();
    EXPECT_EQ(dialog.fields[WeekdayField].value, "7");
}

struct CheckCase {
    const char* name;
    std::array<const char*, 5> fields;
    int boxes;
    std::array<const char*, 5> after;
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class TimeFieldChecks : public TimeDateTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(TimeFieldChecks, StopAtTheFirstFailureAndResetIt) {
    const CheckCase& c = GetParam();
    Fields({c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4]});
    EXPECT_EQ(logic.CheckTimeFields(), c.boxes == 0);
    EXPECT_EQ(messages.shown.size(), static_cast<std::size_t>(c.boxes));
    for (const MessageBox& box : messages.shown)
        EXPECT_EQ(box.text, " Ошибка ввода ");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog.fields[static_cast<std::size_t>(i)].value,
                  c.after[static_cast<std::size_t>(i)])
            << i;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TimeFieldChecks,
    ::testing::Values(
        CheckCase{
            "AllAtTheirLimits", {"59", "59", "23", "31", "12"}, 0, {"59", "59", "23", "31", "12"}},
        CheckCase{"LowerLimits", {"0", "00", "0", "1", "01"}, 0, {"0", "00", "0", "1", "01"}},
        CheckCase{"PastedBlanksAndSigns",
                  {" 7", "+7", "7 ", " +1", "12\t"},
                  0,
                  {" 7", "+7", "7 ", " +1", "12\t"}},
        CheckCase{"PastedNegative", {"1", "-1", "1", "1", "1"}, 1, {"1", "00", "1", "1", "1"}},
        CheckCase{"Seconds60", {"60", "99", "1", "1", "1"}, 1, {"00", "99", "1", "1", "1"}},
        CheckCase{"MinutesEmpty", {"1", "", "1", "1", "1"}, 1, {"1", "00", "1", "1", "1"}},
        CheckCase{"Hours24", {"1", "1", "24", "1", "1"}, 1, {"1", "1", "00", "1", "1"}},
        CheckCase{"DayEmptyTwice", {"1", "1", "1", "", "1"}, 2, {"1", "1", "1", "00", "1"}},
        CheckCase{"Day0", {"1", "1", "1", "0", "1"}, 1, {"1", "1", "1", "00", "1"}},
        CheckCase{"Month13", {"1", "1", "1", "1", "13"}, 1, {"1", "1", "1", "1", "00"}},
        CheckCase{"MonthEmptyTwice", {"1", "1", "1", "1", ""}, 2, {"1", "1", "1", "1", "00"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimeDateTest, EmptyDayOnOkKeepsTheDialogOpenWithPollingOff) {
    logic.onShow();
    Fields({"1", "1", "1", "", "1"});
    logic.okPressed();
    EXPECT_EQ(dialog.closeRequests, 1);
    EXPECT_FALSE(logic.mayClose());
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(dialog.fields[DayField].value, "00");
    EXPECT_FALSE(dialog.pollingShown);
}

TEST_F(TimeDateTest, CancelClosesWithoutChecksAndStopsPolling) {
    logic.onShow();
    Fields({"", "", "", "", ""});
    logic.cancelPressed();
    EXPECT_EQ(dialog.closeRequests, 1);
    EXPECT_TRUE(logic.mayClose());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(dialog.pollingShown);
}

TEST_F(TimeDateTest, SendsTheBroadcastAndCloses) {
    Fields({"30", "15", "12", "1", "6"});
    logic.transferTime();
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0], (Bytes{0x00, 0x46, 0x1E, 0x0F, 0x0C, 0x01, 0x06, 0xFF, 0x21}));
    EXPECT_EQ(dialog.closeRequests, 1);
    EXPECT_TRUE(logic.mayClose());
    EXPECT_TRUE(messages.shown.empty());
    const SimClock set = sim->clockAt(clock.now);
    EXPECT_EQ(std::vector<int>({set.second, set.minute, set.hour, set.day, set.month}),
              std::vector<int>({30, 15, 12, 1, 6}));
}

TEST_F(TimeDateTest, HoursOutOfRangeSendsNothingAndStaysOpen) {
    Fields({"30", "15", "24", "1", "6"});
    logic.transferTime();
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{" Ошибка ввода "});
    EXPECT_EQ(dialog.closeRequests, 0);
}

TEST_F(TimeDateTest, WithoutAccessNothingIsSent) {
    model.AccessLevel = 0;
    Fields({"30", "15", "12", "1", "6"});
    logic.transferTime();
    EXPECT_TRUE(line.writes.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, std::string("Ваш уровень доступа не позволяет") + "\n" +
                                          "производить вывод в СОМ-порт");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialog.closeRequests, 0);
}

// The broadcast gets no answer, but a closed port or a failing serial layer
// still keeps the time from being set: said so, and the dialog stays open.
TEST_F(TimeDateTest, UnsentTimeIsReportedAndTheDialogStaysOpen) {
    Fields({"30", "15", "12", "1", "6"});
    link.ClosePort();
    logic.transferTime();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Не выбран COM-порт."});
    EXPECT_EQ(dialog.closeRequests, 0);

    ASSERT_EQ(link.SetupPort(), 0);
    messages.shown.clear();
    line.failWrite = true;
    logic.transferTime();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(dialog.closeRequests, 0);
}

// Clicks and ticks that arrive while a poll waits for its answer.
TEST_F(TimeDateTest, NoExchangeStartsWhileAPollIsUnderWay) {
    Fields({"30", "15", "12", "1", "6"});
    logic.onShow();
    int nested = 0;
    line.respond = [&](const Bytes& request) {
        if (request[1] == 0x04 && nested++ == 0) {
            EXPECT_TRUE(logic.exchangeUnderWay());
            logic.pollTick();
            logic.pollDeviceClock();
            logic.transferTime();
        }
        return FakeSerialLine::Answer{};
    };
    logic.pollTick();
    ASSERT_EQ(Functions(), (Bytes{0x04, 0x04, 0x04, 0x04, 0x04, 0x46}))
        << "five attempts of the one poll, then the time";
    EXPECT_FALSE(logic.exchangeUnderWay());
    EXPECT_EQ(dialog.closeRequests, 1);
}

// Closing the dialog abandons the poll of a silent device at once (its
// remaining attempts would keep the program waiting for seconds) and drops the
// send asked for meanwhile.
TEST_F(TimeDateTest, ClosingAbandonsThePollAndTheSendAskedForDuringIt) {
    Fields({"30", "15", "12", "1", "6"});
    std::int64_t cancelledAt = 0;
    line.respond = [&](const Bytes& request) {
        if (request[1] == 0x04 && line.writes.size() == 1) {
            logic.transferTime();
            cancelledAt = clock.now;
            logic.cancelPressed();
            EXPECT_TRUE(logic.mayClose());
        }
        return FakeSerialLine::Answer{};
    };
    logic.pollDeviceClock();
    EXPECT_EQ(Functions(), (Bytes{0x04}));
    EXPECT_LE(clock.now - cancelledAt, 100);
    EXPECT_FALSE(logic.exchangeUnderWay());
    EXPECT_TRUE(messages.shown.empty());
    // The next exchange starts afresh on a purged line.
    const int purges = line.purges;
    line.answerAlways({});
    logic.pollDeviceClock();
    EXPECT_EQ(Functions(), (Bytes{0x04, 0x04, 0x04, 0x04, 0x04, 0x04}));
    EXPECT_EQ(line.purges, purges + 1);
}

} // namespace
