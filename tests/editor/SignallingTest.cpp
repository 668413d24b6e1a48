#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace {

// Rows used below: input 2 (slot 1), input 7 (slot 6), block 2 (row 33).
struct SignallingCase {
    const char* name;
    int first, second;
    int row;                 // the selected row
    std::uint8_t before;     // its signalling byte
    int holder;              // another row holding cell 5 (alarm), -1 none
    std::uint8_t holderKept; // its bit 5
    int type;
    const char* cell;
    // expected
    std::vector<std::string> texts;
    int after;           // the row's byte, -1 = unchanged
    bool shown;          // its signalling element
    const char* caption; // and cell number, when shown
};
void PrintTo(const SignallingCase& c, std::ostream* os) {
    *os << c.name;
}

class SignallingTable : public ::testing::TestWithParam<SignallingCase> {};

TEST_P(SignallingTable, StoresShowsAndKeepsEachCellOnOneRow) {
    const SignallingCase& c = GetParam();
    CommandFixture s;
    s.createShown(c.first, c.second);
    for (int b : {0, 1, 2})
        s.addBlock(b);
    s.model.SetDeviceByte(0);
    SignallingByte(s.model, c.row) = c.before;
    if (c.holder >= 0) {
        SignallingByte(s.model, c.holder) = static_cast<std::uint8_t>(0x85 | c.holderKept);
        s.view.ShowRowSignalling(c.holder, 0x80, 5);
    }
    if (c.row >= 32)
        s.selectBlock(c.row - 32);
    else
        s.selectInput(c.row);
    s.signallingDialog.choose = [&](SignallingDialogData& d) {
        d.type = c.type;
        d.cell = QString::fromUtf8(c.cell);
    };
    s.signalling.editSignalling();

    EXPECT_EQ(s.texts(), c.texts);
    EXPECT_EQ(SignallingByte(s.model, c.row), c.after < 0 ? c.before : c.after);
    EXPECT_EQ(s.visible(Family::SignallingPanel, c.row), c.shown);
    if (c.shown) {
        EXPECT_EQ(s.caption(Family::CellNumber, c.row), c.caption);
    }
    const bool taken = c.holder >= 0 && c.after >= 0 && std::string(c.cell) == "5";
    if (c.holder >= 0) {
        EXPECT_EQ(SignallingByte(s.model, c.holder), taken ? c.holderKept : 0x85 | c.holderKept);
        EXPECT_EQ(s.visible(Family::SignallingPanel, c.holder), !taken);
        EXPECT_EQ(s.caption(Family::CellNumber, c.holder), taken ? "0" : "5");
    }
    // The row line ends at the signalling element, there being no delay or outputs.
    EXPECT_EQ(s.visible(Family::RowLine, c.row), c.shown);
    if (c.shown) {
        EXPECT_EQ(s.lineEnd(c.row), s.view.at(Family::SignallingPanel, c.row).rect.x);
    }
}

const std::vector<std::string> kNone;
const std::vector<std::string> kNoCell{"Не выбран № ячейки светового табло"};
const std::vector<std::string> kWrongCell{"Неверно выбран № ячейки светового табло"};

INSTANTIATE_TEST_SUITE_P(
    Table, SignallingTable,
    ::testing::Values(
        SignallingCase{"WarningInCell3", 24, 8, 1, 0x20, -1, 0, 1, "3", kNone, 0x63, true, "3"},
        SignallingCase{"IndicationInCell24", 24, 8, 1, 0x00, -1, 0, 3, "24", kNone, 0xD8, true,
                       "24"},
        SignallingCase{"Cell0RemovesKeepsContact", 24, 8, 1, 0xA7, -1, 0, 2, "0", kNoCell, 0x20,
                       false, ""},
        SignallingCase{"Cell0KeepsTimerOfBlock", 24, 8, 33, 0x63, -1, 0, 1, "00", kNoCell, 0x20,
                       false, ""},
        SignallingCase{"Cell7With6Inputs", 6, 6, 1, 0x45, -1, 0, 1, "7", kWrongCell, 0x00, false,
                       ""},
        SignallingCase{"Cell6With6Inputs", 6, 6, 1, 0x00, -1, 0, 2, "6", kNone, 0x86, true, "6"},
        SignallingCase{"Cell13With12Inputs", 12, 4, 1, 0x20, -1, 0, 2, "13", kWrongCell, 0x20,
                       false, ""},
        SignallingCase{"PastedNegativeCell", 24, 8, 1, 0x41, -1, 0, 2, "-1", kWrongCell, 0x00,
                       false, ""},
        SignallingCase{"CellTakenFromInput7KeepsItsContact", 24, 8, 1, 0x00, 6, 0x20, 3, "5", kNone,
                       0xC5, true, "5"},
        SignallingCase{"CellTakenFromBlockKeepsItsTimer", 24, 8, 1, 0x00, 33, 0x20, 1, "5", kNone,
                       0x45, true, "5"},
        SignallingCase{"CellTakenByBlockFromInput", 24, 8, 34, 0x00, 6, 0x00, 2, "5", kNone, 0x85,
                       true, "5"},
        SignallingCase{"NoSignallingStillTakesTheCell", 24, 8, 0, 0x43, 3, 0x00, 0, "5", kNone,
                       0x00, false, ""},
        SignallingCase{"OwnCellKept", 24, 8, 6, 0x85, -1, 0, 1, "5", kNone, 0x45, true, "5"},
        SignallingCase{"OtherCellLeavesHolder", 24, 8, 1, 0x00, 6, 0x20, 1, "4", kNone, 0x44, true,
                       "4"},
        SignallingCase{"PastedTextChangesNothing",
                       24,
                       8,
                       1,
                       0x63,
                       6,
                       0x00,
                       1,
                       "5а",
                       {"Текст «5а» не является целым числом"},
                       -1,
                       false,
                       ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SignallingDialogContents, ShowsTheRecordAndTheRowNumber) {
    CommandFixture s;
    s.createShown(24, 8);
    s.addBlock(1);
    s.model.FunctionBlocks[1][5] = 0xAC; // alarm, pulse, cell 12
    s.selectBlock(1);
    s.signalling.editSignalling();
    ASSERT_TRUE(s.signallingDialog.shown);
    EXPECT_TRUE(s.signallingDialog.shown->block);
    EXPECT_EQ(s.signallingDialog.shown->rowNumber, "ФБЛ 2");
    EXPECT_EQ(s.signallingDialog.shown->type, 2);
    EXPECT_EQ(s.signallingDialog.shown->cell, "12");

    s.selectInput(24); // the first extra input of 24-08 is number 25
    s.signalling.editSignalling();
    EXPECT_FALSE(s.signallingDialog.shown->block);
    EXPECT_EQ(s.signallingDialog.shown->rowNumber, "25");
    EXPECT_EQ(s.signallingDialog.shown->cell, "0");
}

// Taking a cell from a pulse block used to clear its whole byte 5: its timer
// silently became an on-delay while the picture still showed a pulse.
TEST(SignallingCellTaken, PulseBlockKeepsItsTimerTypeAndPicture) {
    CommandFixture s;
    s.createShown(24, 8);
    s.addBlock(3);
    s.selectBlock(3);
    s.delayDialog.choose = [](DelayDialogData& d) {
        d.timerType = 1;
        d.unit = "1";
        d.value = "5";
    };
    s.delays.editDelay();
    s.signallingDialog.choose = [](SignallingDialogData& d) {
        d.type = 1;
        d.cell = "9";
    };
    s.signalling.editSignalling(); // block 4 holds cell 9
    s.selectInput(0);
    s.signalling.editSignalling(); // input 1 takes it

    EXPECT_EQ(s.model.FunctionBlocks[3][5], 0x20);
    EXPECT_EQ(s.model.GetFbDelayType(3), 1);
    EXPECT_TRUE(s.visible(Family::BlockTimerPicture, 3));
    EXPECT_EQ(s.view.at(Family::BlockTimerPicture, 3).picture, Picture::Pulse);
    EXPECT_FALSE(s.visible(Family::SignallingPanel, 35));
    EXPECT_EQ(s.model.Channels[0][0], 0x49);
}

} // namespace
