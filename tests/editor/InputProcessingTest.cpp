#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace {

struct InclusionCase {
    const char* name;
    int first, second;
    int input, block;  // selection
    bool ackOn;        // external acknowledge in the device byte
    std::uint8_t head; // byte 0 of the input's record before
    bool includedBefore;
    bool include;      // what the operator leaves in includedButton
    const char* typed; // and in nameEdit
    // expected
    std::vector<std::string> texts;
    int imageIndex;
    int inclusionByte, inclusionValue; // InclusionBits[byte]
    bool enabled, pressed;
    const char* name_;
};
void PrintTo(const InclusionCase& c, std::ostream* os) {
    *os << c.name;
}

class Inclusion : public ::testing::TestWithParam<InclusionCase> {};

TEST_P(Inclusion, AppliesWhatTheDialogShowsWhenItCloses) {
    const InclusionCase& c = GetParam();
    CommandFixture s;
    s.createShown(c.first, c.second);
    s.addBlock(1);
    s.model.SetDeviceByte(c.ackOn ? 0x20 : 0);
    const int slot = c.input >= 0 ? c.input : 0;
    s.model.Channels[slot][0] = c.head;
    if (c.includedBefore) {
        s.selectInput(slot);
        s.inputs.SetInputIncluded(true);
    }
    if (c.block >= 0)
        s.model.SelectedFb = c.block;
    s.model.SelectedInput = c.input;
    s.view.at(Family::InputName, slot).caption = "старое";
    s.inclusionDialog.choose = [&](InclusionDialogData& d) {
        d.included = c.include;
        d.name = QString::fromUtf8(c.typed);
    };
    s.inputs.editInclusion();

    EXPECT_EQ(s.texts(), c.texts);
    EXPECT_EQ(s.model.Modified, 1);
    EXPECT_EQ(s.model.Channels[slot][0], c.head); // never touched here
    EXPECT_EQ(s.model.Included[c.imageIndex], c.enabled ? 1 : 0);
    EXPECT_EQ(s.model.InclusionBits[c.inclusionByte], c.inclusionValue);
    EXPECT_EQ(s.view.at(Family::ContactToggle, slot).enabled, c.enabled);
    EXPECT_EQ(s.view.at(Family::ContactToggle, slot).pressed, c.pressed);
    EXPECT_EQ(s.caption(Family::InputName, slot), c.name_);
    EXPECT_EQ(s.inclusionDialog.shown.has_value(), c.texts.empty());
    if (s.inclusionDialog.shown) {
        EXPECT_EQ(s.inclusionDialog.shown->inputNumber, QString::number(c.imageIndex + 1));
        EXPECT_EQ(s.inclusionDialog.shown->name, "старое");
        EXPECT_EQ(s.inclusionDialog.shown->included, c.includedBefore);
    }
}

const std::vector<std::string> kNone;

INSTANTIATE_TEST_SUITE_P(
    Table, Inclusion,
    ::testing::Values(InclusionCase{"ExcludeKeepsContactAndTakesName", 24, 8, 2, -1, false, 0x60,
                                    true, false, "Насос №1", kNone, 2, 0, 0x00, false, true,
                                    "Насос №1"},
                      InclusionCase{"IncludeWithContactBitPressesToggle", 24, 8, 5, -1, false, 0x20,
                                    false, true, "0123456789", kNone, 5, 0, 0x20, true, true,
                                    "0123456789"},
                      InclusionCase{"FirstExtraInputOf12Inputs", 12, 4, 24, -1, false, 0x00, false,
                                    true, "x", kNone, 12, 1, 0x10, true, false, "x"},
                      InclusionCase{"EmptyNameIsTenSpaces", 24, 8, 0, -1, false, 0x00, false, true,
                                    "", kNone, 0, 0, 0x01, true, false, "          "},
                      InclusionCase{"OnlyBlockSelected",
                                    24,
                                    8,
                                    -1,
                                    1,
                                    false,
                                    0x20,
                                    false,
                                    true,
                                    "x",
                                    {"Не выбран № входа"},
                                    0,
                                    0,
                                    0x00,
                                    false,
                                    false,
                                    "старое"},
                      InclusionCase{"InputAndBlockSelected",
                                    24,
                                    8,
                                    3,
                                    1,
                                    false,
                                    0x20,
                                    true,
                                    false,
                                    "x",
                                    {"Выбрано более одного входа"},
                                    3,
                                    0,
                                    0x08,
                                    true,
                                    true,
                                    "старое"},
                      // 12-04 has 16 channels: the acknowledge input is image index 15, slot 27.
                      InclusionCase{"AcknowledgeInput",
                                    12,
                                    4,
                                    27,
                                    -1,
                                    true,
                                    0x00,
                                    false,
                                    true,
                                    "x",
                                    {"Недоступная функция"},
                                    15,
                                    1,
                                    0x00,
                                    false,
                                    false,
                                    "старое"},
                      InclusionCase{"OtherInputWithAcknowledgeOn", 12, 4, 26, -1, true, 0x00, false,
                                    true, "x", kNone, 14, 1, 0x40, true, false, "x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContactToggle, FollowsClicksOnlyWhileTheInputIsIncluded) {
    CommandFixture s;
    s.createShown(24, 8);
    s.model.Channels[2][0] = 0x85; // alarm in cell 5
    s.inputs.toggleContact(2);     // not included: the toggle is disabled
    EXPECT_EQ(s.model.Channels[2][0], 0x85);
    EXPECT_EQ(s.model.Modified, 0);

    s.selectInput(2);
    s.inputs.SetInputIncluded(true);
    s.inputs.toggleContact(2);
    EXPECT_EQ(s.model.Channels[2][0], 0xA5);
    EXPECT_TRUE(s.view.at(Family::ContactToggle, 2).pressed);
    EXPECT_EQ(s.model.Modified, 1);
    s.inputs.toggleContact(2);
    EXPECT_EQ(s.model.Channels[2][0], 0x85);
    EXPECT_FALSE(s.view.at(Family::ContactToggle, 2).pressed);
}

} // namespace
