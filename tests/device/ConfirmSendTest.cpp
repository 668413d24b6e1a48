// The write's last question before anything is sent is asked only once the
// device has answered with the scheme's code (its answers: CompareSchemeTest).

#include "tests/device/DeviceFixture.h"

namespace {

constexpr std::uint8_t kIdentify = 0x11;

class ConfirmSend : public ::testing::Test, public DeviceFixture {
protected:
    void SetUp() override {
        ShowScheme(24, 8);
        model.AccessLevel = 1;
        model.Modified = 1;
        device.confirmSend = [this] {
            ++asked;
            return true;
        };
    }
    int asked = 0;
};

TEST_F(ConfirmSend, NotAskedWhenTheWriteIsRefusedBefore) {
    ASSERT_NO_FATAL_FAILURE(Attach(12, 4, {}, 1));
    device.writeDevice();
    model.AccessLevel = 0;
    device.writeDevice();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Functions(), Bytes{kIdentify});
}

} // namespace
