#include "CommandDialogFakes.h"
#include "SchemeFixture.h"

#include <gtest/gtest.h>

namespace {

// A scheme for the code with one row selected and its output bytes set:
// МР №1 mask, МР №2 mask, flags (interlock and delay).
struct OutputsFixture : SchemeFixture {
    OutputsFixture(int first, int second, bool ackOn, int row, std::array<std::uint8_t, 3> bytes) {
        create(first, second);
        window.showExecCode(first, second);
        model.SetDeviceByte(ackOn ? 0x20 : 0);
        const bool block = row >= kFirstBlockRow;
        record = block ? model.FunctionBlocks[row - 32].data() + 5 : model.Channels[row].data();
        if (block) {
            model.FunctionBlocks[row - 32][0] = 1;
            model.UsedFbCount = 1;
        }
        std::copy(bytes.begin(), bytes.end(), record + 1);
        model.SelectedInput = block ? -1 : row;
        model.SelectedFb = block ? row - 32 : -1;
    }
    std::uint8_t* record;
    FakeOutputsDialog dialog;
};

TEST(Outputs, RefusedWithoutRelayOutputsAndOnTheAcknowledgeInput) {
    // 12-00 and 24-00 have no outputs at all; 12-04 with acknowledge: slot 27.
    const struct {
        int first, second;
        bool ackOn;
        int row;
    } cases[] = {{12, 0, false, 2}, {24, 0, false, 33}, {12, 4, true, 27}};
    for (const auto& c : cases) {
        OutputsFixture f(c.first, c.second, c.ackOn, c.row, {});
        OutputsCommand(f.session, f.dialog).editOutputs();
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].text, "Недоступная функция");
        EXPECT_EQ(f.messages.shown[0].caption, "Предупреждение");
        EXPECT_TRUE(f.dialog.shown.empty());
        EXPECT_EQ(f.model.Modified, 1);
    }
}

struct OutputsCase {
    const char* name;
    int first, second;
    bool ackOn;
    int row; // slot, or 32 + block
    std::array<std::uint8_t, 3> before;
    std::uint8_t chooseMr1, chooseMr2;
    bool chooseInterlock;
    const char* caption; // the row as the dialog names it
    std::array<std::uint8_t, 3> after;
    const char* mr1List; // what the row shows
    bool interlockMark;
};

class OutputsApplied : public ::testing::TestWithParam<OutputsCase> {};

TEST_P(OutputsApplied, StoresMasksAndInterlock) {
    const OutputsCase& c = GetParam();
    OutputsFixture f(c.first, c.second, c.ackOn, c.row, c.before);
    f.dialog.play = [&](OutputsDialogData& d) {
        d.mr1Mask = c.chooseMr1;
        d.mr2Mask = c.chooseMr2;
        d.interlock = c.chooseInterlock;
    };
    OutputsCommand(f.session, f.dialog).editOutputs();

    EXPECT_TRUE(f.messages.shown.empty());
    ASSERT_EQ(f.dialog.shown.size(), 1u);
    const OutputsDialogData& shown = f.dialog.shown[0];
    EXPECT_EQ(shown.rowCaption, c.caption);
    EXPECT_EQ(shown.channelRow, c.row < 32);
    EXPECT_EQ(shown.mr1Outputs, f.model.Mr1OutputCount);
    EXPECT_EQ(shown.mr2Outputs, f.model.Mr2OutputCount);
    EXPECT_EQ(shown.mr1Mask, c.before[0]);
    EXPECT_EQ(shown.interlock, (c.before[2] & 0x80) != 0);
    EXPECT_EQ((std::array<std::uint8_t, 3>{f.record[1], f.record[2], f.record[3]}), c.after);
    EXPECT_EQ(f.view.at(Family::Mr1Outputs, c.row).caption, c.mr1List);
    EXPECT_EQ(f.view.at(Family::InterlockMark, c.row).visible, c.interlockMark);
    EXPECT_EQ(f.visible(Family::OutputsPanel, c.row), c.after[0] != 0 || c.after[1] != 0);
}

// 12-04: 16 channels, 4 outputs on МР №1, none on МР №2. 24-08: 4 and 4.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, OutputsApplied, ::testing::Values(
    OutputsCase{"AckOnOtherInput", 12, 4, true, 26, {0, 0, 0}, 0x05, 0, true,
                "15", {0x05, 0, 0x80}, "1,3,", true},
    OutputsCase{"AckOnBlock", 12, 4, true, 34, {0, 0, 0x45}, 0x08, 0, false,
                "ФБЛ 3", {0x08, 0, 0x45}, "4,", false},
    OutputsCase{"NoMr2KeepsItsBits", 12, 4, false, 0, {0x01, 0x81, 0}, 0x02, 0x81, false,
                "1", {0x02, 0x81, 0}, "2,", false},
    OutputsCase{"InterlockDroppedWithoutOutputs", 24, 8, false, 5, {0x03, 0x01, 0xBC}, 0, 0, true,
                "6", {0, 0, 0x3C}, "", false},
    OutputsCase{"DelayBitsKeptWithInterlock", 24, 8, false, 40, {0, 0, 0x7F}, 0, 0x0C, true,
                "ФБЛ 9", {0, 0x0C, 0xFF}, "", true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
