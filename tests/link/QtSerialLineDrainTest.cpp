// QtSerialLine::drain on a real pseudo-terminal: it takes what has come and
// whatever follows within the quiet time, leaves what comes after a longer
// pause, and gives up on a line that never falls quiet at its bound. And its
// second look after a failure: a line whose far end is open is still there,
// one whose far end has closed is gone.

#include "link/serial/QtSerialLine.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// The far end of a pseudo-terminal, writing pieces with pauses before them.
class FarEnd {
public:
    FarEnd() {
        termios raw{};
        cfmakeraw(&raw);
        char name[256] = {};
        if (openpty(&master_, &slave_, name, &raw, nullptr) == 0)
            path = name;
    }
    ~FarEnd() {
        if (writer_.joinable())
            writer_.join();
        ::close(slave_);
        hangUp();
    }
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    void send(std::vector<std::pair<std::chrono::milliseconds, Bytes>> pieces) {
        writer_ = std::thread([this, pieces = std::move(pieces)] {
            for (const auto& [pause, bytes] : pieces) {
                std::this_thread::sleep_for(pause);
                if (::write(master_, bytes.data(), bytes.size()) < 0)
                    return;
            }
        });
    }
    std::string path;

private:
    int master_ = -1;
    int slave_ = -1;
    std::thread writer_;
};

TEST(QtSerialLineDrain, TakesWhatCameWithinTheQuietTimeAndStopsAtItsBound) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::chrono::milliseconds, Bytes>> pieces;
        int boundMs;
        Bytes dropped;      // what drain takes
        std::uint8_t after; // the first byte a read finds afterwards
    };
    Bytes babble(30, 0xBB);
    std::vector<std::pair<std::chrono::milliseconds, Bytes>> babbling;
    for (std::uint8_t b : babble)
        babbling.push_back({20ms, {b}});
    babbling.front() = {0ms, {0xB0}};
    const Case cases[] = {
        {"a gap shorter than the quiet time",
         {{0ms, {1, 2, 3}}, {40ms, {4, 5, 6}}, {300ms, {0x77}}},
         3000,
         {1, 2, 3, 4, 5, 6},
         0x77},
        {"a line that never falls quiet", babbling, 200, {}, 0xBB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FarEnd far;
        ASSERT_FALSE(far.path.empty());
        QtSerialLine line;
        ASSERT_EQ(line.open({far.path, 9600, LineParity::None, 1}), OpenResult::Opened);
        Bytes nothing;
        EXPECT_EQ(line.drain(100, c.boundMs, nothing), 0) << "nothing has come yet";
        far.send(c.pieces);
        std::this_thread::sleep_for(15ms);
        Bytes dropped;
        const int count = line.drain(100, c.boundMs, dropped);
        EXPECT_EQ(count, static_cast<int>(dropped.size()));
        if (!c.dropped.empty()) {
            EXPECT_EQ(dropped, c.dropped);
        } else {
            // Cut off by the bound: some taken, the rest still coming.
            EXPECT_GT(count, 2);
            EXPECT_LT(count, static_cast<int>(c.pieces.size()) - 5);
        }
        std::uint8_t next = 0;
        line.setReadTimeoutMs(1000);
        EXPECT_EQ(line.read(&next, 1), 1);
        EXPECT_EQ(next, c.after);
    }
}

TEST(QtSerialLinePresence, AFarEndOpenIsThereAndOneClosedIsGone) {
    FarEnd far;
    QtSerialLine line;
    LineSettings settings;
    settings.portName = far.path;
    ASSERT_EQ(line.open(settings), OpenResult::Opened);
    EXPECT_TRUE(line.stillThere());
    far.hangUp();
    EXPECT_FALSE(line.stillThere());
    EXPECT_FALSE(line.errorText().empty());
    EXPECT_NE(line.errorText(), "No error");
    line.close();
    EXPECT_FALSE(line.stillThere());
    EXPECT_EQ(line.errorText(), "порт закрыт");
}

} // namespace
