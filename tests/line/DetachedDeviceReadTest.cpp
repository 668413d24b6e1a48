// The device read of a comparison: the exchanges and messages of the read, the
// scheme on screen untouched.

#include "line/DetachedDeviceRead.h"
#include "tests/device/DeviceFixture.h"

namespace {

class DetachedRead : public ::testing::Test, public DeviceFixture {
protected:
    void SetUp() override {
        ShowScheme(12, 4);
        model.LinkAddressIndex = 6;
        shown = session.Snapshot();
    }
    SchemeSnapshot shown;
};

TEST_F(DetachedRead, TakesTheDeviceImageAsItCameAndLeavesTheScreen) {
    Image image = SampleImage(24, 8, 0x26);
    image[200] = 0x5A; // a byte no editor writes: compared as it is
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, image, 7));
    const auto device = DetachedDeviceRead(messages, link).read(6);
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(device->first, 24);
    EXPECT_EQ(device->second, 8);
    EXPECT_EQ(device->image, image);
    EXPECT_TRUE(device->names.channels.empty());
    EXPECT_EQ(Functions(), (Bytes{0x11, 0x44}));
    EXPECT_EQ(session.Snapshot(), shown);
    EXPECT_EQ(model.LinkAddressIndex, 6);
    EXPECT_EQ(model.ExecFirst, 12);
    EXPECT_TRUE(window.log.empty()) << window.log.front();
}

// Whatever ends the read early gives the read's own message and nothing else.
TEST_F(DetachedRead, ARefusingDeviceGivesTheReadsMessage) {
    SimFaults refusing;
    refusing.status = 1;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, SampleImage(24, 8, 6), 7, refusing));
    EXPECT_FALSE(DetachedDeviceRead(messages, link).read(6).has_value());
    const std::vector<std::string> compared = Texts();
    EXPECT_EQ(compared, std::vector<std::string>{
                            "устройство 7 - не определен тип прибора\nДанные не считаны"});
    EXPECT_EQ(session.Snapshot(), shown);
    EXPECT_EQ(model.ExecFirst, 12) << "the code of the scheme on screen stays";
    messages.shown.clear();
    device.readDevice();
    EXPECT_EQ(Texts(), compared);
}

} // namespace
