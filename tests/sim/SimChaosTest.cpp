#include "link/Frames.h"
#include "sim/SimOptions.h"
#include "sim/SimulatedDevice.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Request(std::uint8_t function) {
    Bytes frame{1, function};
    AppendCrc(frame);
    return frame;
}

Bytes Joined(const std::vector<SimReply>& pieces) {
    Bytes all;
    for (const SimReply& piece : pieces)
        all.insert(all.end(), piece.bytes.begin(), piece.bytes.end());
    return all;
}

// At rate 1 every answer suffers a fault; over many answers each kind shows
// itself as it should, and the counts add up.
TEST(SimChaos, EveryAnswerFaultyAtRateOne) {
    SimulatedDevice device({});
    device.chaos = SimChaos(11u, 1.0);
    const Bytes request = Request(0x11);
    const Bytes clean = Joined(SimulatedDevice({}).receive(request.data(), 4, 0));
    int good = 0, pieces = 0, late = 0, silent = 0;
    for (int n = 0; n < 1100; ++n) {
        const std::vector<SimReply> replies = device.receive(request.data(), 4, 0);
        const Bytes got = Joined(replies);
        silent += replies.empty();
        pieces += replies.size() > 1;
        late += replies.size() == 1 && replies[0].delayMs > 1300;
        good += got == clean && replies.size() == 1 && replies[0].delayMs == 0;
    }
    EXPECT_EQ(good, 0);
    EXPECT_EQ(device.chaos->answers(), 1100);
    EXPECT_EQ(device.chaos->faults(), 1100);
    const auto& injected = device.chaos->injected();
    EXPECT_EQ(silent, injected[static_cast<int>(ChaosFault::Silence)]);
    EXPECT_EQ(late, injected[static_cast<int>(ChaosFault::Late)]);
    EXPECT_EQ(pieces, injected[static_cast<int>(ChaosFault::Split)] +
                          injected[static_cast<int>(ChaosFault::LongSplit)]);
    for (int count : injected)
        EXPECT_GT(count, 50);
}

// The noise a retry has to survive: the whole answer arrives, but behind one
// stray byte or broken by a gap longer than a read waits for.
TEST(SimChaos, StrayByteAndLongSplitKeepTheAnswer) {
    SimulatedDevice device({});
    device.chaos.emplace(5u, 1.0, std::vector{ChaosFault::StrayByte, ChaosFault::LongSplit});
    const Bytes request = Request(0x44);
    const Bytes clean = Joined(SimulatedDevice({}).receive(request.data(), 4, 0));
    for (int n = 0; n < 200; ++n) {
        const std::vector<SimReply> replies = device.receive(request.data(), 4, 0);
        if (replies.size() == 1) {
            EXPECT_EQ(Bytes(replies[0].bytes.begin() + 1, replies[0].bytes.end()), clean);
        } else {
            ASSERT_EQ(replies.size(), 2u);
            EXPECT_EQ(replies[1].delayMs, 200);
            EXPECT_EQ(Joined(replies), clean);
        }
    }
    const auto& injected = device.chaos->injected();
    EXPECT_GT(injected[static_cast<int>(ChaosFault::StrayByte)], 50);
    EXPECT_GT(injected[static_cast<int>(ChaosFault::LongSplit)], 50);
}

TEST(SimChaos, RateZeroLeavesAnswersAlone) {
    SimulatedDevice device({});
    device.chaos = SimChaos(3u, 0.0);
    const Bytes request = Request(0x44);
    for (int n = 0; n < 50; ++n) {
        const std::vector<SimReply> replies = device.receive(request.data(), 4, 0);
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_TRUE(ResponseCrcOk(replies[0].bytes.data(), 255));
    }
    EXPECT_EQ(device.chaos->faults(), 0);
    EXPECT_EQ(
        device.chaos->report(),
        "answers 50, faults 0: silence 0, one-byte 0, short-body 0, bad-crc 0, "
        "wrong-function 0, exception 0, late 0, garbage 0, split 0, stray-byte 0, long-split 0");
}

TEST(SimOptions, ChaosSeedAndRate) {
    std::string error;
    SimOptions options;
    ASSERT_TRUE(ParseSimOptions({"--chaos", "42"}, options, error)) << error;
    EXPECT_EQ(options.chaosSeed, 42);
    EXPECT_DOUBLE_EQ(options.chaosRate, 0.3);
    ASSERT_TRUE(ParseSimOptions({"--chaos", "7:0.5"}, options, error)) << error;
    EXPECT_DOUBLE_EQ(options.chaosRate, 0.5);
    SimulatedDevice device({});
    ASSERT_TRUE(ApplySimOptions(options, device, error));
    EXPECT_TRUE(device.chaos.has_value());
    for (const char* bad : {"x", "-1", "5:", "5:1.5", "5:-0.1", "5:0.3x"}) {
        SimOptions o;
        EXPECT_FALSE(ParseSimOptions({"--chaos", bad}, o, error)) << bad;
    }
}

} // namespace
