// The real serial layer against the simulated device on a pseudo-terminal.

#include "link/DeviceLink.h"
#include "link/serial/QtSerialLine.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/SimProcess.h"
#include "ui/Clock.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Framed(Bytes frame) {
    AppendCrc(frame);
    return frame;
}

class SimLineTest : public ::testing::Test {
protected:
    void Start(const QStringList& arguments) {
        sim = std::make_unique<SimProcess>(arguments);
        ASSERT_FALSE(sim->ptyPath().isEmpty()) << "vil3k-sim did not start";
        sim->exposeAs("COM7");
        link.PortName = "COM7";
        // A silent device costs one attempt of each stage, not the whole cycle.
        link.SetHeaderRetries(1);
        link.SetBodyRetries(1);
        ASSERT_EQ(link.SetupPort(), 0);
    }
    ExchangeResult Ask(int addressIndex, std::uint8_t functionCode, const Bytes& data = {}) {
        return link.Transact(addressIndex, functionCode, static_cast<int>(data.size()), data.data(),
                             response);
    }
    Bytes Answer(int length) const { return Bytes(response.begin(), response.begin() + length); }

    QTemporaryDir dir;
    std::unique_ptr<SimProcess> sim;
    SystemClock clock;
    QtSerialLine line;
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    std::array<std::uint8_t, kMaxResponseSize> response{};
};

TEST_F(SimLineTest, Identification) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "12-06", "--address", "3"}));
    EXPECT_EQ(Ask(2, 0x11), kResultOk);
    EXPECT_EQ(Answer(8), Framed({0x03, 0x11, 0x03, 12, 6, 0}));
    EXPECT_EQ(Ask(0, 0x11), kResultSilent) << "another address must get no answer";
}

TEST_F(SimLineTest, ImageFromASchemeFile) {
    Bytes file(494, 0);
    file[1] = 6;
    file[2] = 6;
    file[3] = 0x24; // device 5, external acknowledge
    for (std::size_t i = 0; i < 250; ++i)
        file[4 + i] = static_cast<std::uint8_t>(i * 7);
    const QString path = dir.filePath("s.vil");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size()));
    out.close();
    ASSERT_NO_FATAL_FAILURE(Start({"--file", path}));
    ASSERT_EQ(Ask(4, 0x44), kResultOk);
    Bytes expected{0x05, 0x44, 250};
    expected.insert(expected.end(), file.begin() + 4, file.begin() + 254);
    EXPECT_EQ(Answer(255), Framed(expected));
}

TEST_F(SimLineTest, WriteMovesTheDeviceToItsNewAddress) {
    const QString dump = dir.filePath("dump");
    ASSERT_NO_FATAL_FAILURE(Start({"--dump", dump}));
    Bytes image(250);
    for (std::size_t i = 0; i < 250; ++i)
        image[i] = static_cast<std::uint8_t>(255 - i);
    image[249] = 0x24;
    EXPECT_EQ(Ask(0, 0x45, image), kResultOk);
    link.WaitMs(50);
    EXPECT_EQ(Ask(4, 0x0E), kResultOk);
    EXPECT_EQ(Answer(4), Framed({0x05, 0x0E}));
    Bytes expectedDump = image;
    expectedDump.push_back(5);
    EXPECT_EQ(SimProcess::readDump(dump), expectedDump);
}

TEST_F(SimLineTest, ClockSetByBroadcastAndReadBack) {
    ASSERT_NO_FATAL_FAILURE(Start({"--address", "2"}));
    EXPECT_EQ(Ask(1, 0x46, {30, 15, 12, 1, 6}), kResultOk);
    link.WaitMs(50);
    ASSERT_EQ(Ask(1, 0x04, {0, 0, 0, 5}), kResultOk);
    EXPECT_EQ(link.GetResponseByteCount(), 10);
    EXPECT_LE(response[4] - 30, 1) << "seconds";
    EXPECT_EQ(response[6], 15);
    EXPECT_EQ(response[8], 12);
    EXPECT_EQ(response[10], 1);
    EXPECT_EQ(response[12], 6);
}

TEST_F(SimLineTest, BusyConfirmation) {
    ASSERT_NO_FATAL_FAILURE(Start({"--busy", "1"}));
    EXPECT_EQ(Ask(0, 0x0E), kResultBusy);
    EXPECT_EQ(Ask(0, 0x0E), kResultOk);
}

TEST_F(SimLineTest, SilentDevice) {
    ASSERT_NO_FATAL_FAILURE(Start({"--silent"}));
    EXPECT_EQ(Ask(0, 0x11), kResultSilent);
    EXPECT_TRUE(link.IsPortOpen());
}

TEST_F(SimLineTest, PseudoTerminalRefusesParity) {
    ASSERT_NO_FATAL_FAILURE(Start({}));
    link.Parity = "E";
    EXPECT_EQ(link.SetupPort(), -1);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SimLineTest, VanishedPortEndsTheExchangeWithOneMessage) {
    ASSERT_NO_FATAL_FAILURE(Start({}));
    sim->stop();
    EXPECT_EQ(Ask(0, 0x11), kResultLineFailed);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Ask(0, 0x11), kResultPortClosed);
}

} // namespace

namespace {

TEST(SimProcessTest, LinkPathFollowsTheSimulatorsLife) {
    QTemporaryDir dir;
    const QString link = dir.filePath("vil3k-port");
    SimProcess sim({"--link", link});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.ptyPath());
    sim.stop();
    EXPECT_FALSE(QFileInfo::exists(link));
}

} // namespace
