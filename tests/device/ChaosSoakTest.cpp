// Reads and writes through the device commands against a device on a chaotic
// line: nothing wrong is accepted, nothing reported written is lost, nothing
// hangs, every failure has its message. The long runs put the simulator's own
// device logic behind a scripted line in test time; a short pass runs the real
// serial layer against vil3k-sim: in its twelve operations (with this seed) the
// line falls silent, answers late, breaks answers, cuts one short and puts a
// stray byte before one, the faults whose timing the real line meets (the
// others are the soaks' too).

#include "support/ChaosSoak.h"
#include "link/serial/QtSerialLine.h"
#include "support/SimProcess.h"
#include "tests/device/DeviceFixture.h"
#include "ui/Clock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <iostream>

namespace {

void ExpectNothingWrong(const ChaosSoak::Tally& t) {
    EXPECT_TRUE(t.problems.empty()) << t.problems.front();
    EXPECT_EQ(t.wrongAccepted, 0);
    EXPECT_EQ(t.lost, 0);
    EXPECT_EQ(t.hung, 0);
}

class SimulatedSoak : public ::testing::Test, public DeviceFixture {
protected:
    ChaosSoak::Tally Run(SimChaos chaos, int operations) {
        Attach(24, 8, SampleImage(24, 8, 0));
        sim->chaos.emplace(std::move(chaos));
        ChaosSoak soak(
            session, messages, device, [this](const ChaosSoak::Image*) { return sim->image; },
            [this] { return static_cast<long long>(clock.now); }, 7);
        soak.Run(operations);
        std::cout << sim->chaos->report() << "\n" << soak.Report();
        return soak.tally();
    }
};

TEST_F(SimulatedSoak, EveryKindOfFault) {
    const ChaosSoak::Tally t = Run(SimChaos(20261207u, 0.3), 400);
    ExpectNothingWrong(t);
    // The line was chaotic and yet usable: both outcomes of both operations occurred.
    EXPECT_GT(t.readsLoaded, 0);
    EXPECT_GT(t.writesDone, 0);
    EXPECT_FALSE(t.failures.empty());
}

// A stray byte or a broken answer costs one attempt; with attempts left over,
// no read or write fails.
TEST_F(SimulatedSoak, NoiseLosesNoOperation) {
    const ChaosSoak::Tally t =
        Run(SimChaos(20261207u, 0.2, {ChaosFault::StrayByte, ChaosFault::LongSplit}), 400);
    ExpectNothingWrong(t);
    EXPECT_GT(sim->chaos->faults(), 100);
    EXPECT_EQ(t.readsLoaded, t.reads);
    EXPECT_EQ(t.writesDone, t.writes);
    EXPECT_TRUE(t.failures.empty()) << t.failures.begin()->first;
}

TEST(ChaosSoak, RealSerialLayerOnAChaoticLine) {
    const char* count = std::getenv("VIL3K_SOAK_OPERATIONS");
    const int operations = count != nullptr ? std::atoi(count) : 12;
    QTemporaryDir dir;
    const QString scheme = dir.filePath("scheme.vil"), dump = dir.filePath("dump");
    const Image image = SampleImage(24, 8, 0);
    QFile file(scheme);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1, '\0') + QByteArray("\x18\x08\x00", 3) +
               QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize) +
               QByteArray(10 * 48, ' '));
    file.close();

    SimProcess sim(
        {"--file", scheme, "--dump", dump, "--chaos", "20261207:0.3", "--timeout", "120"});
    ASSERT_FALSE(sim.ptyPath().isEmpty()) << "vil3k-sim did not start";
    sim.exposeAs("COM7");
    SystemClock clock;
    QtSerialLine line;
    SessionFixture<> s;
    DeviceLink link{line, clock, s.messages};
    link.PortName = "COM7";
    ASSERT_EQ(link.SetupPort(), 0);
    DeviceConfiguration device{s.session, link};

    // The device writes its dump as it takes an image; after a late answer it
    // takes the write up to two late answers later.
    auto deviceImage = [&](const ChaosSoak::Image* awaited) {
        QElapsedTimer waited;
        waited.start();
        ChaosSoak::Image held = image;
        do {
            QThread::msleep(20);
            const Bytes bytes = SimProcess::readDump(dump);
            if (bytes.size() > kImageSize)
                std::copy_n(bytes.begin(), kImageSize, held.begin());
        } while (awaited != nullptr && held != *awaited && waited.elapsed() < 5000);
        return held;
    };
    QElapsedTimer timer;
    timer.start();
    ChaosSoak soak(
        s.session, s.messages, device, deviceImage, [&] { return timer.elapsed(); }, 7);
    soak.Run(operations);
    link.ClosePort();
    sim.stop();
    std::cout << soak.Report();

    const ChaosSoak::Tally& t = soak.tally();
    ExpectNothingWrong(t);
    EXPECT_GT(t.readsLoaded, 0);
    EXPECT_GT(t.writesDone, 0);
}

} // namespace
