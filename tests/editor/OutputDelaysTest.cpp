#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace {

// Input 3 (slot 2) or block 1 (row 32); the row's delay byte starts with the
// interlock bit and an old delay of 7 s.
struct DelayCase {
    const char* name;
    int second; // of 24-xx
    int row;
    int timerType;
    const char* unit;
    const char* value;
    // expected
    std::vector<std::string> texts;
    int after;         // delay byte, -1 = unchanged
    const char* shown; // delay value shown, nullptr = delay element hidden
    Picture timer;     // block rows: picture shown, None = hidden
};
void PrintTo(const DelayCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr std::uint8_t kBefore = 0x80 | 7;

class DelayTable : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayTable, StoresAndShowsTheDelay) {
    const DelayCase& c = GetParam();
    CommandFixture s;
    s.createShown(24, c.second);
    s.addBlock(0);
    s.model.FunctionBlocks[0][5] = 0x4A; // warning in cell 10
    const bool block = c.row >= 32;
    std::uint8_t& byte = block ? s.model.FunctionBlocks[0][8] : s.model.Channels[2][3];
    byte = kBefore;
    if (block)
        s.selectBlock(0);
    else
        s.selectInput(2);
    s.delayDialog.choose = [&](DelayDialogData& d) {
        d.timerType = c.timerType;
        d.unit = c.unit;
        d.value = c.value;
    };
    s.delays.editDelay();

    EXPECT_EQ(s.texts(), c.texts);
    EXPECT_EQ(byte, c.after < 0 ? kBefore : c.after);
    EXPECT_EQ(s.visible(Family::DelayPanel, c.row), c.shown != nullptr);
    EXPECT_EQ(s.caption(Family::DelayValue, c.row), c.shown ? c.shown : "00");
    EXPECT_EQ(s.visible(Family::BlockTimerPicture, 0), c.timer != Picture::None);
    if (c.timer != Picture::None) {
        EXPECT_EQ(s.view.at(Family::BlockTimerPicture, 0).picture, c.timer);
    }
    const bool pulse = c.timer == Picture::Pulse;
    EXPECT_EQ(s.model.FunctionBlocks[0][5], pulse ? 0x6A : 0x4A); // signalling kept
    if (c.shown) {
        EXPECT_EQ(s.lineEnd(c.row), s.view.at(Family::DelayPanel, c.row).rect.x);
    }
}

const std::vector<std::string> kNone;
const std::vector<std::string> kNoValue{"Не задана уставка времени задержки"};
const std::vector<std::string> kNoUnit{"Не задана дискретность времени задержки"};
const std::vector<std::string> kBadValue{" Ошибка ввода ", "Не задана уставка времени задержки"};
const std::vector<std::string> kBadUnit{" Ошибка ввода ",
                                        "Не задана дискретность времени задержки"};
constexpr Picture kNoTimer = Picture::None;

INSTANTIATE_TEST_SUITE_P(
    Table, DelayTable,
    ::testing::Values(
        DelayCase{"Unit1Value60", 8, 2, 0, "1", "60", kNone, 0x80 | 60, "60", kNoTimer},
        DelayCase{"Unit10Value60", 8, 2, 0, "10", "60", kNone, 0xC0 | 60, "600", kNoTimer},
        DelayCase{"Unit10Value1", 8, 2, 0, "10", "01", kNone, 0xC1, "10", kNoTimer},
        DelayCase{"Value61", 8, 2, 0, "1", "61", kBadValue, 0x80, nullptr, kNoTimer},
        DelayCase{"Unit5", 8, 2, 0, "5", "3", kBadUnit, 0x80, nullptr, kNoTimer},
        DelayCase{"Value0Unit10", 8, 2, 0, "10", "0", kNoValue, 0xC0, nullptr, kNoTimer},
        DelayCase{"Unit0", 8, 2, 0, "00", "9", kNoUnit, 0x80, nullptr, kNoTimer},
        DelayCase{"PastedValue",
                  8,
                  2,
                  0,
                  "1",
                  "6o",
                  {"Текст «6o» не является целым числом"},
                  -1,
                  nullptr,
                  kNoTimer},
        DelayCase{"NoOutputs", 0, 2, 0, "1", "5", {"Недоступная функция"}, -1, nullptr, kNoTimer},
        DelayCase{"BlockPulse", 8, 32, 1, "1", "5", kNone, 0x85, "5", Picture::Pulse},
        DelayCase{"BlockOnDelay", 16, 32, 0, "10", "2", kNone, 0xC2, "20", Picture::OnDelay},
        DelayCase{"BlockFailedCheckResetsTimer", 8, 32, 1, "10", "0", kNoValue, 0xC0, nullptr,
                  kNoTimer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DelayDialogContents, InputOrBlockWithTheOldDelay) {
    CommandFixture s;
    s.createShown(24, 8);
    s.addBlock(4);
    s.model.Channels[2][3] = 0xC0 | 12;
    s.model.SetFbDelayType(4, 1);
    s.selectInput(2);
    s.delays.editDelay();
    ASSERT_TRUE(s.delayDialog.shown);
    EXPECT_FALSE(s.delayDialog.shown->block);
    EXPECT_EQ(s.delayDialog.shown->rowNumber, "3");
    EXPECT_EQ(s.delayDialog.shown->unit, "10");
    EXPECT_EQ(s.delayDialog.shown->value, "12");

    s.selectBlock(4);
    s.delays.editDelay();
    EXPECT_TRUE(s.delayDialog.shown->block);
    EXPECT_EQ(s.delayDialog.shown->rowNumber, "ФБЛ 5");
    EXPECT_EQ(s.delayDialog.shown->timerType, 1);
    EXPECT_EQ(s.delayDialog.shown->unit, "1");
    EXPECT_EQ(s.delayDialog.shown->value, "0");
}

} // namespace
