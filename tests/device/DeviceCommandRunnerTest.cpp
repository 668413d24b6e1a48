#include "device/DeviceCommandRunner.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Indication {
    explicit Indication(int& live) : live_(live) { ++live_; }
    ~Indication() { --live_; }
    int& live_;
};

TEST(DeviceCommandRunner, IndicatesBusyForExactlyTheCommand) {
    int live = 0;
    int liveDuring = -1;
    DeviceCommandRunner runner([&live] { return std::make_shared<Indication>(live); });
    EXPECT_TRUE(runner.run([&] { liveDuring = live; }));
    EXPECT_EQ(liveDuring, 1);
    EXPECT_EQ(live, 0);
    EXPECT_TRUE(runner.run([] {})) << "free again afterwards";
}

TEST(DeviceCommandRunner, DropsACommandAskedForWhileOneRuns) {
    DeviceCommandRunner runner;
    int inner = 0;
    bool nestedRan = true;
    EXPECT_TRUE(runner.run([&] { nestedRan = runner.run([&] { ++inner; }); }));
    EXPECT_FALSE(nestedRan);
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(runner.run([&] { ++inner; })) << "free again afterwards";
    EXPECT_EQ(inner, 1);
}

TEST(DeviceCommandRunner, AnEscapingErrorLeavesItFree) {
    int live = 0;
    DeviceCommandRunner runner([&live] { return std::make_shared<Indication>(live); });
    EXPECT_THROW(runner.run([] { throw std::runtime_error("serial layer"); }), std::runtime_error);
    EXPECT_EQ(live, 0);
    EXPECT_TRUE(runner.run([] {})) << "free again afterwards";
}

} // namespace
