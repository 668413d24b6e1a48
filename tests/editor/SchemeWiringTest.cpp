#include "SchemeFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kOutputBusX = 592;

// Records changed the way a command changes them, then the load-time refresh order.
void refreshAll(SchemeFixture& s) {
    s.view.RefreshRowLines();
    s.view.RefreshOutputWiring();
    s.view.RefreshBlockWiring();
}

void useBlock(SchemeFixture& s, int block, const FbRecord& record) {
    s.model.FunctionBlocks[block] = record;
    s.view.showBlock(block, record);
    ++s.model.UsedFbCount;
}

TEST(RowLines, SignallingOnlyEndsAtSignallingThenOutputsReachTheBus) {
    SchemeFixture s;
    s.create(12, 8);
    s.model.Channels[2] = {0x83, 0, 0, 0};
    s.view.showRow(2, s.model.Channels[2]);
    s.view.RefreshRowLines();
    ASSERT_TRUE(s.visible(Family::RowLine, 2));
    EXPECT_EQ(s.lineEnd(2), s.view.at(Family::SignallingPanel, 2).rect.x);

    s.model.Channels[2][3] = 4; // a delay moves the end to the delay element
    s.view.showRow(2, s.model.Channels[2]);
    s.view.RefreshRowLines();
    EXPECT_EQ(s.lineEnd(2), s.view.at(Family::DelayPanel, 2).rect.x);

    s.model.Channels[2][1] = 0x05;
    s.view.ShowRowOutputs(2, 0x05, 0, 0);
    s.view.RefreshRowLines();
    EXPECT_EQ(s.lineEnd(2), kOutputBusX);
    EXPECT_FALSE(s.visible(Family::RowLine, 3));
}

TEST(BlockWiring, NoBlocksInUseHidesTheGroupAndEveryInputBus) {
    SchemeFixture s;
    s.create(24, 8);
    s.model.FunctionBlocks[0] = {1, 0x81, 0x8E, 0, 0, 0, 0, 0, 0}; // names inputs 1 and 14
    s.model.UsedFbCount = 0;
    s.view.RefreshBlockWiring();
    EXPECT_TRUE(s.visible(Family::FeedStub, 0)); // the stubs still follow the records
    EXPECT_FALSE(s.view.group(BlockGroup).visible);
    for (int bus : {FirstInputBus, SecondInputBus, ExtraInputBus, BlockInputBus, BlockOutputBus})
        EXPECT_FALSE(s.visible(Family::Bus, bus)) << bus;
}

TEST(BlockWiring, InputBusesStartAtTheTopmostFedRowAndJoinDownwards) {
    SchemeFixture s;
    s.create(24, 8);
    useBlock(s, 0, {1, 0x8E, 0x99, 0, 0, 0, 0, 0, 0}); // inputs 14 and 25 (slot 24)
    useBlock(s, 2, {3, 0xC1, 0, 0, 0, 0, 0, 0, 0});    // fed by block 1
    s.view.RefreshBlockWiring();
    EXPECT_TRUE(s.visible(Family::FeedStub, 13));
    EXPECT_TRUE(s.visible(Family::FeedDot, 24));
    EXPECT_FALSE(s.visible(Family::Bus, FirstInputBus));
    const Element& mvdi2 = s.view.at(Family::Bus, SecondInputBus);
    EXPECT_TRUE(mvdi2.visible);
    EXPECT_EQ(mvdi2.rect.y, SchemeView::rowTop(13) + 15);
    EXPECT_EQ(s.view.at(Family::Bus, ExtraInputBus).rect.y, 0);
    EXPECT_EQ(s.view.at(Family::Bus, ExtraInputBus).rect.h, s.view.group(ExtraInputGroup).height);
    // Block 1 feeds block 3; block 3 is the last used and fixes the group height.
    EXPECT_TRUE(s.visible(Family::CrossLink, 0));
    EXPECT_FALSE(s.visible(Family::CrossLink, 2));
    const int crossTop = s.view.at(Family::CrossLink, 2).rect.y;
    EXPECT_TRUE(s.view.group(BlockGroup).visible);
    EXPECT_EQ(s.view.group(BlockGroup).height, crossTop + 6);
    EXPECT_EQ(s.view.at(Family::Bus, BlockInputBus).rect.h, crossTop + 2);
    // Block 1 has no outputs: its row line ends at its cross-link.
    EXPECT_EQ(s.lineEnd(32), s.view.at(Family::CrossLinkDrop, 0).rect.x);
}

TEST(BlockWiring, SignallingWinsOverDelayWhereRowLinesPreferTheDelay) {
    SchemeFixture s;
    s.create(12, 4);
    useBlock(s, 1, {1, 0x81, 0, 0, 0, 0x41, 0, 0, 5});
    s.view.showRow(33, {0x41, 0, 0, 5});
    s.view.RefreshBlockWiring();
    EXPECT_EQ(s.lineEnd(33), s.view.at(Family::SignallingPanel, 33).rect.x);
    s.view.RefreshRowLines();
    EXPECT_EQ(s.lineEnd(33), s.view.at(Family::DelayPanel, 33).rect.x);
}

TEST(OutputWiring, UsageComesFromChannelsAndTheFirstEightBlocks) {
    SchemeFixture s;
    s.create(24, 8);
    s.model.Channels[5][1] = 0x02;       // МР №1 output 2
    s.model.Channels[26][2] = 0x08;      // МР №2 output 4
    s.model.FunctionBlocks[7][6] = 0x04; // block 8: МР №1 output 3
    s.model.FunctionBlocks[8][6] = 0x01; // block 9: not read
    s.model.FunctionBlocks[0][7] = 0x10; // МР №2 output 5 does not exist in 24-08
    s.view.RefreshOutputWiring();
    const bool expected[kOutputLines] = {false, true,  true,  false, false, false, false, false,
                                         false, false, false, true,  false, false, false, false};
    for (int line = 0; line < kOutputLines; ++line) {
        EXPECT_EQ(s.visible(Family::OutputConnector, line), expected[line]) << line;
        EXPECT_EQ(s.visible(Family::RelayPicture, line), expected[line]) << line;
    }
}

TEST(OutputWiring, BusIsOneLineFromTopmostToLowestConnection) {
    SchemeFixture s;
    s.create(24, 8);
    s.model.Channels[2] = {0, 0x01, 0, 0};
    s.model.Channels[25] = {0, 0x08, 0, 0};
    s.view.showRow(2, s.model.Channels[2]);
    s.view.showRow(25, s.model.Channels[25]);
    refreshAll(s);
    const Element& top = s.view.at(Family::Bus, FirstOutputBus);
    EXPECT_EQ(top.rect.y, SchemeView::lineTop(0) + 15); // output 1 lies above row 3
    EXPECT_EQ(top.rect.bottom(), s.view.group(FirstInputGroup).height);
    EXPECT_EQ(s.view.at(Family::Bus, SecondOutputBus).rect.y, 0);
    EXPECT_EQ(s.view.at(Family::Bus, SecondOutputBus).rect.h,
              s.view.group(SecondInputGroup).height);
    const Element& dv = s.view.at(Family::Bus, ExtraOutputBus);
    EXPECT_EQ(dv.rect.y, 0);
    EXPECT_EQ(dv.rect.bottom(), SchemeView::rowTop(25) + 18);
    EXPECT_FALSE(s.visible(Family::Bus, BlockOutputBus));
}

TEST(OutputWiring, WithTwelveInputsTheExtraGroupExtendsTheFirstBus) {
    SchemeFixture s;
    s.create(12, 4);
    s.model.Channels[24] = {0, 0x01, 0, 0};
    s.view.showRow(24, s.model.Channels[24]);
    refreshAll(s);
    EXPECT_EQ(s.view.at(Family::Bus, FirstOutputBus).rect.y, SchemeView::lineTop(0) + 15);
    EXPECT_EQ(s.view.at(Family::Bus, FirstOutputBus).rect.bottom(),
              s.view.group(FirstInputGroup).height);
    EXPECT_TRUE(s.visible(Family::Bus, ExtraOutputBus));
    EXPECT_FALSE(s.visible(Family::Bus, SecondOutputBus));
}

TEST(OutputWiring, BlockOutputsCarryTheBusIntoTheBlockGroup) {
    SchemeFixture s;
    s.create(12, 8);
    useBlock(s, 0, {1, 0x81, 0, 0, 0, 0, 0, 0, 0});
    useBlock(s, 1, {3, 0x82, 0, 0, 0, 0, 0x80, 0, 0});
    s.view.showRow(33, {0, 0x80, 0, 0});
    refreshAll(s);
    EXPECT_TRUE(s.visible(Family::OutputConnector, 7));
    EXPECT_EQ(s.view.at(Family::Bus, FirstOutputBus).rect.bottom(),
              s.view.group(FirstInputGroup).height);
    const Element& fb = s.view.at(Family::Bus, BlockOutputBus);
    EXPECT_TRUE(fb.visible);
    EXPECT_EQ(fb.rect.y, 0);
    EXPECT_EQ(fb.rect.bottom(), SchemeView::rowTop(33) + 18);
    EXPECT_EQ(s.lineEnd(33), kOutputBusX);
}

} // namespace
