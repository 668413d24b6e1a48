#include "sim/SimulatedDevice.h"
#include "link/DeviceLink.h"
#include "sim/SimOptions.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The simulated device behind a scripted line, driven by the real transaction.
class DeviceOnLine {
public:
    explicit DeviceOnLine(const SimFaults& faults) : device(faults) {
        line.portOpen = true;
        line.respond = [this](const Bytes& request) {
            FakeSerialLine::Answer answer;
            for (const SimReply& r : device.receive(request.data(), int(request.size()), clock.now))
                answer.push_back({r.delayMs, r.bytes});
            return answer;
        };
    }
    ExchangeResult Ask(int addressIndex, std::uint8_t functionCode, const Bytes& data = {}) {
        return link.Transact(addressIndex, functionCode, static_cast<int>(data.size()), data.data(),
                             response);
    }

    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    SimulatedDevice device;
    std::array<std::uint8_t, kMaxResponseSize> response{};
};

SimFaults Faults(const std::vector<std::string>& args) {
    SimOptions options;
    std::string error;
    EXPECT_TRUE(ParseSimOptions(args, options, error)) << error;
    return options.faults;
}

struct FaultCase {
    std::vector<std::string> args;
    std::uint8_t functionCode;
    ExchangeResult result;
    std::size_t sends;
};
void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << "function " << int{c.functionCode} << ", result " << c.result;
}

class FaultTable : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTable, ResultThroughTheTransaction) {
    const FaultCase& c = GetParam();
    DeviceOnLine d(Faults(c.args));
    EXPECT_EQ(d.Ask(0, c.functionCode), c.result);
    EXPECT_EQ(d.line.writes.size(), c.sends);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, FaultTable,
    ::testing::Values(FaultCase{{}, 0x11, kResultOk, 1}, FaultCase{{}, 0x44, kResultOk, 1},
                      FaultCase{{"--silent"}, 0x11, kResultSilent, 5},
                      FaultCase{{"--one-byte"}, 0x11, kResultPartial, 5},
                      FaultCase{{"--short-body"}, 0x44, kResultPartial, 10},
                      FaultCase{{"--bad-crc"}, 0x11, kResultBadCrc, 10},
                      FaultCase{{"--bad-crc-first", "2"}, 0x11, kResultOk, 3},
                      FaultCase{{"--wrong-function"}, 0x11, kResultForeignAnswer, 5},
                      FaultCase{{"--exception", "0x44:2"}, 0x44, 2, 1},
                      FaultCase{{"--exception", "0x44:2"}, 0x11, kResultOk, 1},
                      FaultCase{{"--busy", "1"}, 0x0E, kResultBusy, 1},
                      FaultCase{{"--image-count", "200"}, 0x44, kResultOk, 1}),
    [](const ::testing::TestParamInfo<FaultCase>& info) {
        const FaultCase& c = info.param;
        return "Row" + std::to_string(info.index) + "Function" + std::to_string(c.functionCode);
    });

TEST(SimulatedDevice, IdentificationCarriesCodeAndStatus) {
    DeviceOnLine d(Faults({"--status", "7"}));
    d.device.execFirst = 6;
    d.device.execSecond = 4;
    ASSERT_EQ(d.Ask(0, 0x11), kResultOk);
    EXPECT_EQ(Bytes(d.response.begin(), d.response.begin() + 6), (Bytes{1, 0x11, 3, 6, 4, 7}));
}

TEST(SimulatedDevice, WriteTakesImageAndAddress) {
    DeviceOnLine d({});
    Bytes image(250, 0x33);
    image[249] = 0x2A; // device 11, external acknowledge
    EXPECT_EQ(d.Ask(0, 0x45, image), kResultOk);
    EXPECT_EQ(d.device.address, 11);
    EXPECT_EQ(d.device.imageWrites, 1);
    EXPECT_EQ(Bytes(d.device.image.begin(), d.device.image.end()), image);
    EXPECT_EQ(d.Ask(0, 0x11), kResultSilent) << "the old address is gone";
    EXPECT_EQ(d.Ask(10, 0x44), kResultOk);
    EXPECT_EQ(d.response[252], 0x2A);
    Bytes dump = image;
    dump.push_back(11);
    EXPECT_EQ(SimDump(d.device), dump);
}

TEST(SimulatedDevice, ClockIsSetByBroadcastAndRuns) {
    DeviceOnLine d({});
    d.device.address = 9;
    EXPECT_EQ(d.Ask(3, 0x46, {58, 59, 23, 31, 12}), kResultOk);
    d.clock.now += 3000;
    ASSERT_EQ(d.Ask(8, 0x04, {0, 0, 0, 5}), kResultOk);
    const Bytes registers(d.response.begin() + 3, d.response.begin() + 13);
    EXPECT_EQ(registers, (Bytes{0, 1, 0, 0, 0, 0, 0, 1, 0, 1}));
}

TEST(SimulatedDevice, ClockSetOutsideTheCalendarStandsStill) {
    DeviceOnLine d({});
    EXPECT_EQ(d.Ask(0, 0x46, {123, 5, 7, 30, 2}), kResultOk);
    d.clock.now += 5000;
    ASSERT_EQ(d.Ask(0, 0x04, {0, 0, 0, 5}), kResultOk);
    EXPECT_EQ(Bytes(d.response.begin() + 3, d.response.begin() + 13),
              (Bytes{0, 123, 0, 5, 0, 7, 0, 30, 0, 2}));
    EXPECT_EQ(d.Ask(0, 0x46, {0, 0, 0, 28, 2}), kResultOk);
    d.clock.now += 2000;
    ASSERT_EQ(d.Ask(0, 0x04, {0, 0, 0, 5}), kResultOk);
    EXPECT_EQ(d.response[4], 2) << "running again";
}

TEST(SimulatedDevice, SetsItsExecutionCode) {
    DeviceOnLine d({});
    EXPECT_EQ(d.Ask(0, 0x12, {12, 6, 0}), kResultOk);
    EXPECT_EQ(d.device.execFirst, 12);
    EXPECT_EQ(d.device.execSecond, 6);
}

TEST(SimulatedDevice, RequestsInPiecesAndBrokenFrames) {
    SimulatedDevice device({});
    const Bytes ident{0x01, 0x11, 0xC0, 0x2C};
    EXPECT_TRUE(device.receive(ident.data(), 2, 0).empty());
    EXPECT_EQ(device.receive(ident.data() + 2, 2, 0).size(), 1u);
    const Bytes broken{0x01, 0x11, 0xC0, 0x2D};
    EXPECT_TRUE(device.receive(broken.data(), 4, 0).empty());
    EXPECT_EQ(device.receive(ident.data(), 4, 0).size(), 1u) << "a bad frame must not stick";
    const Bytes half{0x01, 0x44};
    device.receive(half.data(), 2, 0);
    device.dropPartial();
    EXPECT_EQ(device.receive(ident.data(), 4, 0).size(), 1u);
}

TEST(SimulatedDevice, LateAnswersCarryTheirDelay) {
    SimulatedDevice device(Faults({"--late"}));
    const Bytes ident{0x01, 0x11, 0xC0, 0x2C};
    const auto replies = device.receive(ident.data(), 4, 0);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_GT(replies[0].delayMs, 1300);
}

TEST(SimOptions, CodeFileAndAddress) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--code", "24-16", "--address", "31", "--baud", "9600",
                                 "--timeout", "5", "--link", "/tmp/x", "--dump", "/tmp/d"},
                                options, error));
    SimulatedDevice device({});
    ASSERT_TRUE(ApplySimOptions(options, device, error));
    EXPECT_EQ(device.execFirst, 24);
    EXPECT_EQ(device.execSecond, 16);
    EXPECT_EQ(device.address, 31);
    EXPECT_EQ(device.image[249], 30) << "the image names the device that answers";
    EXPECT_EQ(options.baud, 9600);
    EXPECT_EQ(options.idleTimeoutS, 5);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--bogus"},
                                                {"--address"},
                                                {"--address", "0"},
                                                {"--code", "24"},
                                                {"--image-count", "300"},
                                                {"--exception", "0x44"}}) {
        SimOptions o;
        EXPECT_FALSE(ParseSimOptions(bad, o, error)) << bad[0];
    }
    options.filePath = "/nonexistent/file.vil";
    EXPECT_FALSE(ApplySimOptions(options, device, error));
}

TEST(SimOptions, CodeWithLeadingZerosIsDecimal) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--code", "06-08"}, options, error)) << error;
    EXPECT_EQ(options.first, 6);
    EXPECT_EQ(options.second, 8);
}

TEST(SimOptions, ValuesAfterEqualsSignsAndRepeatedDevicesInOrder) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions(
        {"--code=06-08", "--device=3:12-04", "--device", "5:06-06:1", "-late"}, options, error))
        << error;
    EXPECT_EQ(options.first, 6);
    EXPECT_EQ(options.second, 8);
    ASSERT_EQ(options.devices.size(), 2u);
    EXPECT_EQ(options.devices[0].address, 3);
    EXPECT_EQ(options.devices[1].status, 1);
    EXPECT_GT(options.faults.lateMs, 0);
}

} // namespace
