// The Win32 serial line against the simulated device on COM1 (under Wine, COM1 stands for
// the simulator's pseudo-terminal): scripts/windows/smoke.sh runs this program once it has
// put the simulator there, so CTest does not.
#include "link/Frames.h"
#include "link/serial/SystemSerialLine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class Win32Line : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(line->open({"COM1", 9600, LineParity::None, 2}), OpenResult::Opened)
            << line->errorText();
    }
    void askIdentity() {
        std::uint8_t request[8];
        BuildRequest(0, kFnIdentify, nullptr, 0, request);
        ASSERT_TRUE(line->write(request, 4));
    }
    std::unique_ptr<SerialLine> line = NewSystemSerialLine();
};

TEST(Win32PortList, NamesComPortsAndTheirDevices) {
    const std::vector<PortEntry> ports = SystemPortList();
    ASSERT_FALSE(ports.empty());
    EXPECT_EQ(ports.front().name.rfind("COM", 0), 0u);
    EXPECT_FALSE(ports.front().description.empty());
}

TEST_F(Win32Line, AnExchangeArrivesWholeWithItsCrc) {
    askIdentity();
    std::uint8_t answer[kMaxResponseSize];
    ASSERT_EQ(line->read(answer, kHeaderSize), kHeaderSize);
    EXPECT_EQ(answer[0], 1);
    EXPECT_EQ(answer[1], kFnIdentify);
    const int rest = ExpectedResponseLength(kFnIdentify, answer, 4) - kHeaderSize;
    ASSERT_EQ(line->read(answer + kHeaderSize, rest), rest);
    EXPECT_TRUE(ResponseCrcOk(answer, kHeaderSize + rest));
}

// The same time-outs as on Linux; an upper bound with room for a busy machine.
TEST_F(Win32Line, ReadsEndByTheirTimeOuts) {
    std::uint8_t buffer[10];
    Clock::time_point start = Clock::now();
    EXPECT_EQ(line->read(buffer, 10), 0);
    EXPECT_GE(MsSince(start), 1000 + 100 * 10 - 20);
    EXPECT_LT(MsSince(start), 3000);

    line->setReadTimeoutMs(150);
    start = Clock::now();
    EXPECT_EQ(line->read(buffer, 10), 0);
    EXPECT_GE(MsSince(start), 150 - 20);
    EXPECT_LT(MsSince(start), 600);
}

TEST_F(Win32Line, DrainReturnsAtOnceWhenQuietAndTakesAnAnswerThatCame) {
    std::vector<std::uint8_t> dropped;
    Clock::time_point start = Clock::now();
    EXPECT_EQ(line->drain(100, 500, dropped), 0);
    EXPECT_LT(MsSince(start), 50);

    askIdentity();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_GT(line->drain(100, 500, dropped), kHeaderSize);
    ASSERT_FALSE(dropped.empty());
    EXPECT_EQ(dropped[1], kFnIdentify);
}

TEST_F(Win32Line, AnInterruptionEndsAReadSoon) {
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        line->setInterrupted(true);
    });
    std::uint8_t buffer[10];
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(line->read(buffer, 10), 0);
    EXPECT_LT(MsSince(start), 1000);
    stopper.join();
}

TEST_F(Win32Line, IsThereWhileOpenAndNotOnceClosed) {
    EXPECT_TRUE(line->stillThere());
    line->close();
    EXPECT_FALSE(line->stillThere());
    EXPECT_FALSE(line->errorText().empty());
}

TEST(Win32LineOpen, AnAbsentPortFails) {
    const std::unique_ptr<SerialLine> line = NewSystemSerialLine();
    EXPECT_EQ(line->open({"COM77", 9600, LineParity::None, 2}), OpenResult::Failed);
    EXPECT_FALSE(line->errorText().empty());
    EXPECT_FALSE(line->isOpen());
}

} // namespace
