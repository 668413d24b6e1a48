#include "ModelFakes.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

namespace {

class ShowRecordsTest : public testing::Test {
protected:
    void SetUp() override {
        model.ExecFirst = 6;
        model.ExecSecond = 6;
        model.ComputeLayout();
    }
    void showBlocks() {
        model.ShowRecords(ConfigurationModel::RecordKind::FunctionBlocks, display);
    }

    FakeMessages messages;
    ConfigurationModel model{messages};
    RecordingDisplay display;
};

TEST_F(ShowRecordsTest, ChannelRowsAreTheSlotsWithContactAndInclusion) {
    model.Channels[0] = {0x20, 1, 2, 3};
    model.Channels[5] = {0x45, 0, 0, 0};
    model.Channels[24] = {0x60, 0, 0, 0x4A};
    model.Channels[6] = {0xFF, 0xFF, 0xFF, 0xFF}; // unused slot for 06-06
    model.Included[0] = 1;
    model.Included[6] = 1; // image index 6 = slot 24
    model.ShowRecords(ConfigurationModel::RecordKind::Channels, display);

    const std::vector<int> expectedRows = {0, 1, 2, 3, 4, 5, 24, 25};
    ASSERT_EQ(display.contacts.size(), expectedRows.size());
    ASSERT_EQ(display.rows.size(), expectedRows.size());
    for (std::size_t n = 0; n < expectedRows.size(); ++n) {
        EXPECT_EQ(display.contacts[n].row, expectedRows[n]);
        EXPECT_EQ(display.rows[n].row, expectedRows[n]);
        EXPECT_EQ(display.rows[n].record, model.Channels[expectedRows[n]]);
    }
    EXPECT_TRUE(display.contacts[0].down);
    EXPECT_TRUE(display.contacts[0].enable);
    EXPECT_FALSE(display.contacts[5].down);
    EXPECT_FALSE(display.contacts[5].enable);
    EXPECT_TRUE(display.contacts[6].down);
    EXPECT_TRUE(display.contacts[6].enable);
    EXPECT_TRUE(display.blocks.empty());
}

TEST_F(ShowRecordsTest, UnknownBlockTypeIsRepairedAndNotCounted) {
    model.FunctionBlocks[2] = {0x07, 0x81, 0x82, 0, 0, 0x40, 1, 0, 5};
    showBlocks();
    EXPECT_EQ(model.Repaired, 1);
    EXPECT_EQ(model.UsedFbCount, 0);
    EXPECT_EQ(model.FunctionBlocks[2], FbRecord{});
    EXPECT_TRUE(display.blocks.empty());
    EXPECT_TRUE(display.timers.empty());
    EXPECT_EQ(model.SelectedFb, -1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ShowRecordsTest, KnownTypesAreDrawnAndCountedHighBitsIgnored) {
    const FbRecord orBlock = {0x13, 0x81, 0x42, 0x07, 0, 0, 0, 0, 0};
    const FbRecord hysteresis = {0x05, 0x81, 0xC1, 0, 0, 0, 0, 0, 0};
    model.FunctionBlocks[0] = orBlock;
    model.FunctionBlocks[12] = hysteresis;
    model.FunctionBlocks[6] = {0x06, 1, 1, 1, 1, 1, 1, 1, 1};
    showBlocks();
    EXPECT_EQ(model.UsedFbCount, 2);
    EXPECT_EQ(model.Repaired, 1);
    EXPECT_EQ(model.FunctionBlocks[0], orBlock);
    ASSERT_EQ(display.blocks.size(), 2u);
    EXPECT_EQ(display.blocks[0].block, 0);
    EXPECT_EQ(display.blocks[0].record, orBlock);
    EXPECT_EQ(display.blocks[1].block, 12);
    EXPECT_EQ(display.blocks[1].record, hysteresis);
    EXPECT_EQ(model.SelectedFb, -1);
}

TEST_F(ShowRecordsTest, FreeRecordWithJunkIsClearedSilently) {
    model.FunctionBlocks[4] = {0x00, 0x81, 0, 0, 0, 0xC3, 0xFF, 0, 0x0A};
    showBlocks();
    EXPECT_EQ(model.FunctionBlocks[4], FbRecord{});
    EXPECT_EQ(model.Repaired, 0);
    EXPECT_EQ(model.UsedFbCount, 0);
    EXPECT_TRUE(display.timers.empty());
    EXPECT_EQ(display.rows[4].record, ChannelRecord{});
}

TEST_F(ShowRecordsTest, EveryBlockRowIsShownWithTimerWhenDelayed) {
    model.FunctionBlocks[1] = {0x01, 0x81, 0, 0, 0, 0x80, 0x03, 0x01, 0x45};
    model.FunctionBlocks[3] = {0x03, 0x81, 0, 0, 0, 0x20, 0, 0, 0x0C};
    model.FunctionBlocks[5] = {0x02, 0x81, 0, 0, 0, 0x20, 0, 0, 0x80};
    showBlocks();
    ASSERT_EQ(display.rows.size(), static_cast<std::size_t>(kFunctionBlocks));
    for (int j = 0; j < kFunctionBlocks; ++j)
        EXPECT_EQ(display.rows[j].row, kFirstBlockRow + j);
    EXPECT_EQ(display.rows[1].record, (ChannelRecord{0x80, 0x03, 0x01, 0x45}));
    ASSERT_EQ(display.timers.size(), 2u);
    EXPECT_EQ(display.timers[0].block, 1);
    EXPECT_EQ(display.timers[0].delayType, 0);
    EXPECT_EQ(display.timers[1].block, 3);
    EXPECT_EQ(display.timers[1].delayType, 1);
    EXPECT_EQ(model.UsedFbCount, 3);
}

} // namespace
