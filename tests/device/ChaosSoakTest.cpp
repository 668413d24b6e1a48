// A few hundred reads and writes through the real serial layer against
// vil3k-sim --chaos at a fault rate of 0.3: nothing wrong is accepted, nothing
// reported written is lost, nothing hangs, every failure has its message.

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

TEST(ChaosSoak, ReadsAndWritesOnAChaoticLine) {
    const char* count = std::getenv("VIL3K_SOAK_OPERATIONS");
    const int operations = count != nullptr ? std::atoi(count) : 200;
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
    TComPortClass link{line, clock, s.messages};
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
    EXPECT_TRUE(t.problems.empty()) << t.problems.front();
    EXPECT_EQ(t.wrongAccepted, 0);
    EXPECT_EQ(t.lost, 0);
    EXPECT_EQ(t.hung, 0);
    // The line was chaotic and yet usable: both outcomes of both operations occurred.
    EXPECT_GT(t.readsLoaded, 0);
    EXPECT_GT(t.writesDone, 0);
    EXPECT_FALSE(t.failures.empty());
}

} // namespace
