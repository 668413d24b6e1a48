// The external-acknowledge switch on the model and the scheme view.

#include "device/ExternalAck.h"
#include "tests/device/DeviceFixture.h"

namespace {

constexpr std::uint8_t kDirect = 0x80, kFromBlock = 0x40;

struct AckFixture : SessionFixture<> {
    ExternalAck ack{session};
    // A sample scheme of the code, as a read leaves it, with its last channel
    // fully programmed and included, and a block whose inputs read it.
    void Show(int first, int second, std::uint8_t deviceByte = 0) {
        SessionFixture<> sample;
        BuildSampleScheme(sample.session, first, second);
        ConfigurationModel& m = sample.model;
        const int last = m.ChannelCount - 1;
        m.Channels[m.SlotOfImageIndex(last)] = {0xA3, 0x01, 0, 0x45};
        m.Included[last] = 1;
        m.PackInclusion();
        const auto n = static_cast<std::uint8_t>(m.ChannelCount);
        m.FunctionBlocks[5] = {3,
                               static_cast<std::uint8_t>(kDirect | n),
                               n,
                               static_cast<std::uint8_t>(kDirect | kFromBlock | n),
                               static_cast<std::uint8_t>(n - 1),
                               0,
                               0,
                               0,
                               0};
        m.SetDeviceByte(deviceByte);
        m.PackImage();
        session.LoadScheme(first, second, m.ImageBuffer, deviceByte, "");
        messages.shown.clear();
        window.log.clear();
    }
};

class ExternalAckOn : public ::testing::Test, public AckFixture {};

TEST_F(ExternalAckOn, Code1204ClearsInput16InSlot27) {
    Show(12, 4, 0x02);
    EXPECT_TRUE(view.at(Family::ContactToggle, 27).enabled);
    EXPECT_TRUE(view.at(Family::SignallingPanel, 27).visible);
    EXPECT_TRUE(view.at(Family::BlockInputLine, 4 * 5).visible);
    ack.toggleExternalAck(true);
    EXPECT_EQ(view.ExternalAckRow(), 27);
    EXPECT_EQ(model.DeviceByte, 0x22);
    EXPECT_EQ(model.ImageBuffer[kDeviceByteOffset], 0x22);
    EXPECT_EQ(model.Modified, 1);
    EXPECT_TRUE(view.header.extAckDown);
    const Element& label = view.at(Family::Title, TitleExtAckInput);
    EXPECT_TRUE(label.visible);
    EXPECT_EQ(label.group, ExtraInputGroup);
    EXPECT_EQ(label.rect.y, SchemeView::rowTop(27) + 12);

    EXPECT_EQ(model.Channels[27], (ChannelRecord{0, 0, 0, 0}));
    for (Family f :
         {Family::SignallingPanel, Family::DelayPanel, Family::OutputsPanel, Family::RowLine})
        EXPECT_FALSE(view.at(f, 27).visible) << static_cast<int>(f);
    EXPECT_EQ(view.at(Family::CellNumber, 27).caption, "0");
    EXPECT_EQ(view.at(Family::DelayValue, 27).caption, "0");
    EXPECT_FALSE(view.at(Family::ContactToggle, 27).pressed);
    EXPECT_FALSE(view.at(Family::ContactToggle, 27).enabled);
    EXPECT_EQ(model.Included[15], 0);
    EXPECT_EQ(model.InclusionBits[1] & 0x80, 0);

    // Device input 16, direct or inverted, is cleared; block 16 and input 15 stay.
    const FbRecord& block = model.FunctionBlocks[5];
    EXPECT_EQ(block[1], 0);
    EXPECT_EQ(block[2], 0);
    EXPECT_EQ(block[3], kDirect | kFromBlock | 16);
    EXPECT_EQ(block[4], 15);
    for (int k : {0, 1}) {
        const int input = 4 * 5 + k;
        EXPECT_EQ(view.at(Family::BlockInputKind, input).caption, "");
        EXPECT_EQ(view.at(Family::BlockInputNumber, input).caption, "16");
        for (Family f : {Family::BlockInputLine, Family::BlockInputInversion,
                         Family::BlockInputNumber, Family::BlockInputKind})
            EXPECT_FALSE(view.at(f, input).visible);
    }
    EXPECT_TRUE(view.at(Family::BlockInputKind, 4 * 5 + 2).visible);
    EXPECT_EQ(view.at(Family::BlockInputKind, 4 * 5 + 2).caption, "фб");
    EXPECT_EQ(view.at(Family::BlockInputNumber, 4 * 5 + 3).caption, "15");
    EXPECT_EQ(window.log.back(), "sync");
}

TEST_F(ExternalAckOn, BlockFedInputKeepsItsSourceUnder0604) {
    Show(6, 4);
    ack.toggleExternalAck(true);
    EXPECT_EQ(view.ExternalAckRow(), 27);
    EXPECT_EQ(model.FunctionBlocks[5][1], 0);
    EXPECT_EQ(model.FunctionBlocks[5][3], kDirect | kFromBlock | 10);
}

TEST_F(ExternalAckOn, OffAgainKeepsTheChannelExcluded) {
    Show(24, 8, 0x02);
    ack.toggleExternalAck(true);
    ack.toggleExternalAck(false);
    EXPECT_EQ(model.DeviceByte, 0x02);
    EXPECT_EQ(model.GetDeviceByte(), 0x02);
    EXPECT_FALSE(view.header.extAckDown);
    EXPECT_FALSE(view.at(Family::Title, TitleExtAckInput).visible);
    EXPECT_FALSE(view.at(Family::ContactToggle, 31).enabled);
    EXPECT_FALSE(view.at(Family::ContactToggle, 31).pressed);
    EXPECT_EQ(model.Included[31], 0);
    EXPECT_EQ(model.InclusionBits[3] & 0x80, 0);
}

TEST_F(ExternalAckOn, OffExcludesWithoutTouchingTheRecord) {
    Show(24, 4);
    ack.toggleExternalAck(false);
    EXPECT_EQ(model.Channels[27], (ChannelRecord{0xA3, 0x01, 0, 0x45}));
    EXPECT_EQ(model.Included[27], 0);
}

// A failed code check leaves the device byte alone, and the button with it.
TEST_F(ExternalAckOn, FailedCodeCheckPutsTheButtonBackToTheDeviceByte) {
    for (const bool ackInByte : {false, true}) {
        SCOPED_TRACE(ackInByte);
        Show(24, 8, ackInByte ? 0x22 : 0x02);
        const Image before = model.ImageBuffer;
        const auto records = model.Channels;
        model.Modified = 0;
        window.first.value = "";
        ack.toggleExternalAck(!ackInByte);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, " Ошибка ввода ");
        EXPECT_EQ(view.header.extAckDown, ackInByte);
        EXPECT_EQ(model.ImageBuffer, before);
        EXPECT_EQ(model.Channels, records);
        EXPECT_EQ(model.Modified, 1);
        EXPECT_EQ(window.log.back(), "sync");
    }
}

// Switching on for any code with additional inputs, then packing: loading that
// image shows the scheme the switch left on screen.
class ExternalAckCodes : public ::testing::TestWithParam<std::pair<int, int>>, public AckFixture {};

TEST_P(ExternalAckCodes, LeaveWhatLoadingThePackedImageShows) {
    const auto [first, second] = GetParam();
    Show(first, second);
    ack.toggleExternalAck(true);
    const int row = view.ExternalAckRow();
    EXPECT_GE(row, 24);
    EXPECT_EQ(model.ImageIndexOfSlot(row), model.ChannelCount - 1);
    model.PackImage();
    const DirectLoad loaded(first, second, model.ImageBuffer);
    ExpectSameModel(model, loaded.model);
    ExpectSameView(view, loaded.view);
}

INSTANTIATE_TEST_SUITE_P(WithAdditionalInputs, ExternalAckCodes,
                         ::testing::Values(std::pair{6, 4}, std::pair{6, 6}, std::pair{12, 4},
                                           std::pair{12, 6}, std::pair{24, 4}, std::pair{24, 8},
                                           std::pair{24, 12}, std::pair{24, 43}, std::pair{24, 62}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

} // namespace
