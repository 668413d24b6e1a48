// Several simulated devices on one line: who answers, with what, and the broadcast.

#include "link/Frames.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Request(std::uint8_t address, std::uint8_t functionCode, Bytes data = {}) {
    Bytes frame{address, functionCode};
    for (std::uint8_t b : data)
        frame.push_back(b);
    AppendCrc(frame);
    return frame;
}

// Every device hears the request; the answers in line order.
std::vector<Bytes> Ask(std::vector<SimulatedDevice>& line, const Bytes& request) {
    std::vector<Bytes> answers;
    for (SimulatedDevice& device : line)
        for (const SimReply& reply : device.receive(request.data(), int(request.size()), 0))
            answers.push_back(reply.bytes);
    return answers;
}

std::vector<SimulatedDevice> Line(const std::vector<std::string>& args) {
    SimOptions options;
    std::string error;
    EXPECT_TRUE(ParseSimOptions(args, options, error)) << error;
    std::vector<SimulatedDevice> line;
    EXPECT_TRUE(BuildSimDevices(options, line, error)) << error;
    return line;
}

TEST(SimLine, OnlyTheAddressedDeviceAnswersWithItsCodeAndStatus) {
    auto line = Line({"--device", "3:12-04", "--device", "5:06-06:1", "--status", "0"});
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(Ask(line, Request(3, kFnIdentify)),
              std::vector<Bytes>{Request(3, kFnIdentify, {3, 12, 4, 0})});
    EXPECT_EQ(Ask(line, Request(5, kFnIdentify)),
              std::vector<Bytes>{Request(5, kFnIdentify, {3, 6, 6, 1})});
    EXPECT_TRUE(Ask(line, Request(4, kFnIdentify)).empty());
    // The image names the address the line gives the device.
    EXPECT_EQ(line[1].image[249], 4);
}

TEST(SimLine, ABroadcastSetsEveryClock) {
    auto line = Line({"--device", "1:24-08", "--device", "2:24-08"});
    EXPECT_TRUE(Ask(line, Request(0, kFnSetClock, {30, 15, 12, 1, 6})).empty());
    for (const SimulatedDevice& device : line)
        EXPECT_EQ(device.clockAt(0).minute, 15);
}

// Each device its own reply delay and the chaos of the kinds asked for.
TEST(SimLine, DelaysAndChaosKindsPerDevice) {
    auto line = Line({"--device", "3:12-04", "--device", "5:06-06", "--reply-delay", "80",
                      "--reply-delay", "5:400", "--chaos", "9:1", "--chaos-kinds", "stray-byte"});
    ASSERT_EQ(line.size(), 2u);
    const auto reply = [&](std::size_t n, int address) {
        return line[n].receive(Request(address, kFnIdentify).data(), 4, 0).at(0);
    };
    const SimReply three = reply(0, 3), five = reply(1, 5);
    EXPECT_EQ(three.delayMs, 80);
    EXPECT_EQ(five.delayMs, 400);
    // One stray byte before the whole answer: every answer spoilt, that way only.
    EXPECT_EQ(Bytes(five.bytes.begin() + 1, five.bytes.end()),
              Request(5, kFnIdentify, {3, 6, 6, 0}));
    EXPECT_EQ(line[1].chaos->injected()[static_cast<int>(ChaosFault::StrayByte)], 1);
    for (const char* bad : {"32:10", "5:x", "-1", "5:60001"}) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(ParseSimOptions({"--reply-delay", bad}, options, error)) << bad;
    }
    SimOptions options;
    std::string error;
    EXPECT_FALSE(ParseSimOptions({"--chaos-kinds", "stray-byte,noise"}, options, error));
}

TEST(SimLine, MalformedDevicesAreRefused) {
    for (const char* entry : {"3", "0:24-08", "32:24-08", "3:", "3:24-08:x", "3:24-08:256"}) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(ParseSimOptions({"--device", entry}, options, error)) << entry;
    }
}

TEST(SimLine, WithoutDevicesTheLineHoldsTheOneOfTheOtherOptions) {
    auto line = Line({"--code", "12-22", "--address", "7"});
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].address, 7);
    EXPECT_EQ(line[0].execSecond, 22);
}

} // namespace
