// The write's last question before anything is sent: asked once the device has
// answered with the scheme's code; a refusal sends and changes nothing.

#include "tests/device/DeviceFixture.h"

namespace {

constexpr std::uint8_t kIdentify = 0x11, kWriteImage = 0x45;

class ConfirmSend : public ::testing::Test, public DeviceFixture {
protected:
    void SetUp() override {
        ShowScheme(24, 8);
        model.AccessLevel = 1;
        model.Modified = 1;
        device.confirmSend = [this] {
            askedAfter.push_back(Functions());
            return send;
        };
    }
    bool send = false;
    std::vector<Bytes> askedAfter;
};

TEST_F(ConfirmSend, SendsOnlyWhenAnsweredYes) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    const Image before = sim->image;
    EXPECT_FALSE(device.writeDevice());
    EXPECT_EQ(askedAfter, std::vector<Bytes>{Bytes{kIdentify}});
    EXPECT_EQ(sim->image, before);
    EXPECT_EQ(model.Modified, 1);
    EXPECT_TRUE(Texts().empty()) << "no confirmation is offered for a write not made";
    send = true;
    messages.answers = {Answer::No};
    EXPECT_TRUE(device.writeDevice());
    EXPECT_EQ(Functions(), (Bytes{kIdentify, kIdentify, kWriteImage}));
    EXPECT_EQ(model.Modified, 0);
}

TEST_F(ConfirmSend, NotAskedWhenTheWriteIsRefusedBefore) {
    ASSERT_NO_FATAL_FAILURE(Attach(12, 4, {}, 1));
    device.writeDevice();
    model.AccessLevel = 0;
    device.writeDevice();
    EXPECT_TRUE(askedAfter.empty());
    EXPECT_EQ(Functions(), Bytes{kIdentify});
}

} // namespace
