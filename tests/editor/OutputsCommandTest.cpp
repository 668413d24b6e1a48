#include "CommandDialogFakes.h"
#include "SchemeFixture.h"

#include <gtest/gtest.h>

namespace {

struct OutputsCase {
    const char* name;
    int first, second;
    bool ackOn;
    int row;                            // selected row: slot, or 32 + block
    std::array<std::uint8_t, 3> before; // МР №1, МР №2, flags
    std::uint8_t chooseMr1, chooseMr2;
    bool chooseInterlock;
    const char* refusal; // the warning, or null when the dialog opens
    const char* caption; // the row as the dialog names it
    std::array<std::uint8_t, 3> after;
    const char* mr1List; // what the row shows
    bool interlockMark;
};

class Outputs : public ::testing::TestWithParam<OutputsCase> {};

TEST_P(Outputs, StoresMasksAndInterlock) {
    const OutputsCase& c = GetParam();
    SchemeFixture s;
    s.create(c.first, c.second);
    s.window.showExecCode(c.first, c.second);
    s.model.SetDeviceByte(c.ackOn ? 0x20 : 0);
    const bool block = c.row >= kFirstBlockRow;
    std::uint8_t* bytes =
        block ? s.model.FunctionBlocks[c.row - 32].data() + 5 : s.model.Channels[c.row].data();
    if (block) {
        s.model.FunctionBlocks[c.row - 32][0] = 1;
        s.model.UsedFbCount = 1;
    }
    std::copy(c.before.begin(), c.before.end(), bytes + 1);
    (block ? s.model.SelectedFb : s.model.SelectedInput) = block ? c.row - 32 : c.row;
    FakeOutputsDialog dialog;
    dialog.play = [&](OutputsDialogData& d) {
        d.mr1Mask = c.chooseMr1;
        d.mr2Mask = c.chooseMr2;
        d.interlock = c.chooseInterlock;
    };

    OutputsCommand(s.session, dialog).VyhClick();

    EXPECT_EQ(s.model.Modified, 1);
    if (c.refusal) {
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.messages.shown[0].text, c.refusal);
        EXPECT_EQ(s.messages.shown[0].caption, "Предупреждение");
        EXPECT_TRUE(dialog.shown.empty());
        return;
    }
    ASSERT_EQ(dialog.shown.size(), 1u);
    const OutputsDialogData& shown = dialog.shown[0];
    EXPECT_EQ(shown.rowCaption, c.caption);
    EXPECT_EQ(shown.channelRow, !block);
    EXPECT_EQ(shown.mr1Outputs, s.model.Mr1OutputCount);
    EXPECT_EQ(shown.mr2Outputs, s.model.Mr2OutputCount);
    EXPECT_EQ(shown.mr1Mask, c.before[0]);
    EXPECT_EQ(shown.interlock, (c.before[2] & 0x80) != 0);
    EXPECT_EQ(bytes[1], c.after[0]);
    EXPECT_EQ(bytes[2], c.after[1]);
    EXPECT_EQ(bytes[3], c.after[2]);
    EXPECT_EQ(s.view.at(Family::StM, c.row).caption, c.mr1List);
    EXPECT_EQ(s.view.at(Family::StB, c.row).visible, c.interlockMark);
    EXPECT_EQ(s.visible(Family::PanelV, c.row), c.after[0] != 0 || c.after[1] != 0);
}

// 12-04: 16 channels, МР №1 4 outputs, no МР №2; the acknowledge input is slot 27.
// 24-08: МР №1 and МР №2 4 outputs each.
INSTANTIATE_TEST_SUITE_P(Table, Outputs,
                         ::testing::Values(OutputsCase{"Code1200Refused",
                                                       12,
                                                       0,
                                                       false,
                                                       2,
                                                       {},
                                                       1,
                                                       0,
                                                       false,
                                                       "Недоступная функция",
                                                       "",
                                                       {},
                                                       "",
                                                       false},
                                           OutputsCase{"Code2400RefusesBlocksToo",
                                                       24,
                                                       0,
                                                       false,
                                                       33,
                                                       {},
                                                       1,
                                                       0,
                                                       false,
                                                       "Недоступная функция",
                                                       "",
                                                       {},
                                                       "",
                                                       false},
                                           OutputsCase{"AckInputRefused",
                                                       12,
                                                       4,
                                                       true,
                                                       27,
                                                       {},
                                                       1,
                                                       0,
                                                       false,
                                                       "Недоступная функция",
                                                       "",
                                                       {},
                                                       "",
                                                       false},
                                           OutputsCase{"AckOnOtherInputAccepted",
                                                       12,
                                                       4,
                                                       true,
                                                       26,
                                                       {0, 0, 0},
                                                       0x05,
                                                       0,
                                                       true,
                                                       nullptr,
                                                       "15",
                                                       {0x05, 0, 0x80},
                                                       "1,3,",
                                                       true},
                                           OutputsCase{"AckOnBlockAccepted",
                                                       12,
                                                       4,
                                                       true,
                                                       34,
                                                       {0, 0, 0x45},
                                                       0x08,
                                                       0,
                                                       false,
                                                       nullptr,
                                                       "ФБЛ 3",
                                                       {0x08, 0, 0x45},
                                                       "4,",
                                                       false},
                                           OutputsCase{"NoMr2KeepsItsBits",
                                                       12,
                                                       4,
                                                       false,
                                                       0,
                                                       {0x01, 0x81, 0},
                                                       0x02,
                                                       0x81,
                                                       false,
                                                       nullptr,
                                                       "1",
                                                       {0x02, 0x81, 0},
                                                       "2,",
                                                       false},
                                           OutputsCase{"InterlockDroppedWithoutOutputs",
                                                       24,
                                                       8,
                                                       false,
                                                       5,
                                                       {0x03, 0x01, 0xBC},
                                                       0,
                                                       0,
                                                       true,
                                                       nullptr,
                                                       "6",
                                                       {0, 0, 0x3C},
                                                       "",
                                                       false},
                                           OutputsCase{"DelayBitsKeptWithInterlock",
                                                       24,
                                                       8,
                                                       false,
                                                       40,
                                                       {0, 0, 0x7F},
                                                       0,
                                                       0x0C,
                                                       true,
                                                       nullptr,
                                                       "ФБЛ 9",
                                                       {0, 0x0C, 0xFF},
                                                       "",
                                                       true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
