// A port lost under the program: it cannot be opened, or the line fails at the
// purge that starts an exchange, at a write, a read or the purge before a
// repeat. Each time the message as ever, the port closed, the reason kept for
// the status bar and written in the exchange log, the window told once, and a
// port that opens again clears the reason.
#include "link/DeviceLink.h"
#include "link/FrameText.h"
#include "link/gui/ExchangeLogModel.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>

namespace {

using Bytes = FakeSerialLine::Bytes;
using Answer = FakeSerialLine::Answer;

Bytes Framed(Bytes frame) {
    AppendCrc(frame);
    return frame;
}

const std::string kLost = "COM-порт отключен. Проверьте оборудование, перезапустите программу.";

struct PortLossFixture {
    PortLossFixture() {
        link.SetPortLostNotice([this] { ++notices; });
        link.SetFrameObserver([this](LinkFrame frame) { frames.push_back(std::move(frame)); });
    }
    ExchangeResult Ask() { return link.Transact(0, kFnIdentify, 0, nullptr, response); }
    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    std::array<std::uint8_t, kMaxResponseSize> response{};
    std::vector<LinkFrame> frames;
    int notices = 0;
};

struct LossCase {
    const char* name;
    // Makes the line fail and runs what meets the failure.
    std::function<ExchangeResult(PortLossFixture&)> run;
    ExchangeResult result;
    int writes;
    std::string message;
    std::string reason;
};

void PrintTo(const LossCase& c, std::ostream* os) {
    *os << c.name;
}

class PortLoss : public ::testing::TestWithParam<LossCase> {};

TEST_P(PortLoss, ClosesThePortSaysWhyAndTheNextOpenBringsItBack) {
    const LossCase& c = GetParam();
    PortLossFixture f;
    f.line.portOpen = true;
    EXPECT_EQ(c.run(f), c.result);
    EXPECT_FALSE(f.link.IsPortOpen());
    EXPECT_EQ(static_cast<int>(f.line.writes.size()), c.writes);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, c.message);
    EXPECT_EQ(f.messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(f.link.LossReason(), c.reason);
    EXPECT_EQ(f.notices, 1);
    ASSERT_FALSE(f.frames.empty());
    const LinkFrame& event = f.frames.back();
    EXPECT_EQ(event.direction, FrameDirection::PortLost);
    EXPECT_EQ(event.note, c.reason);
    EXPECT_EQ(TroubleOf(event), FrameTrouble::Failure);

    f.line.openResult = OpenResult::Opened;
    f.line.failPurge = f.line.failWrite = f.line.failRead = false;
    ASSERT_EQ(f.link.SetupPort(), 0);
    EXPECT_EQ(f.link.LossReason(), "");
    EXPECT_EQ(f.notices, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PortLoss,
    ::testing::Values(
        LossCase{"OpenFails",
                 [](PortLossFixture& f) {
                     f.line.openResult = OpenResult::Failed;
                     return f.link.SetupPort() == 0 ? kResultOk : kResultPortSetupFailed;
                 },
                 kResultPortSetupFailed, 0, kLost, "COM1 не открывается (line error)"},
        LossCase{"PurgeBeforeTheExchangeFails",
                 [](PortLossFixture& f) {
                     f.line.failPurge = true;
                     return f.Ask();
                 },
                 kResultLineFailed, 0, kLost, "COM1 отключен (line error)"},
        LossCase{"WriteFails",
                 [](PortLossFixture& f) {
                     f.line.failWrite = true;
                     return f.Ask();
                 },
                 kResultLineFailed, 0, kLost + "\nline error", "COM1 отключен (line error)"},
        LossCase{"ReadFails",
                 [](PortLossFixture& f) {
                     f.line.failRead = true;
                     return f.Ask();
                 },
                 kResultLineFailed, 1, kLost + "\nline error", "COM1 отключен (line error)"},
        // A late answer is emptied from the line before the repeat, and that
        // purge fails.
        LossCase{"PurgeBeforeARepeatFails",
                 [](PortLossFixture& f) {
                     f.line.respond = [&f](const Bytes&) {
                         f.line.failPurge = true;
                         return Answer{{1400, Framed({0x01, 0x11, 0x03, 0x18, 0x08, 0x00})}};
                     };
                     return f.Ask();
                 },
                 kResultLineFailed, 1, kLost, "COM1 отключен (line error)"}),
    [](const auto& info) { return std::string(info.param.name); });

// The log's line for it, and it is listed whatever device the log is
// filtered on.
TEST(PortLoss, LogLineAndEveryAddressFilter) {
    PortLossFixture f;
    ExchangeLog log;
    f.link.SetFrameObserver([&log](LinkFrame frame) { log.record(std::move(frame)); });
    f.line.openResult = OpenResult::Failed;
    f.link.SetupPort();
    ASSERT_EQ(log.endNumber(), 1u);
    EXPECT_EQ(
        FrameLines(log.frame(0)),
        std::vector<std::string>{"00:00:00.000 ×       порт закрыт                            "
                                 "COM1 не открывается (line error)"});
    ExchangeLogModel rows(log, nullptr);
    rows.setAddressFilter(5);
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.index(0, 7).data(Qt::ToolTipRole).toString(),
              "COM1 не открывается (line error)");
    LinkFrame other;
    other.address = 4;
    log.record(other);
    rows.catchUp();
    EXPECT_EQ(rows.rowCount(), 1);
}

} // namespace
