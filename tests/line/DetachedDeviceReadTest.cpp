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

} // namespace
