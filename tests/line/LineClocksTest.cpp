// Setting every clock waits for the computer's next second; a cancel in that
// wait ends it within a slice, and nothing goes on the line.

#include "line/LineClocks.h"
#include "line/LineSession.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

// The operator presses "Отмена" while the first slice of the wait passes.
struct CancelledInTheWait : FakeClock {
    void sleepMs(int ms) override {
        FakeClock::sleepMs(ms);
        cancel = true;
    }
    std::atomic<bool> cancel = false;
};

TEST(LineClocks, ACancelInTheWaitForTheNextSecondSendsNothing) {
    CancelledInTheWait clock;
    clock.runWall({2026, 3, 5, 4, 10, 0, 0, 100}); // most of a second to wait
    FakeSerialLine line{clock};
    line.portOpen = true;
    FakeMessages messages;
    LineSession session(line, clock, messages);
    DeviceTime sent;
    EXPECT_EQ(SetClocksFromComputer(session, sent, &clock.cancel), kResultAbandoned);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_GT(clock.slept, 0);
    EXPECT_LE(clock.slept, 20) << "ended within one slice of the wait";
}

} // namespace
