#include "SchemeFixture.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    int first, second;
    int extra, mr1, mr2;
    int dvTop, fbTop, mvdi1Height;
    bool extAckEnabled;
};
void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

// Every valid code: rows, numbers, groups and where ExtraInputGroup and BlockGroup land.
const LayoutCase kLayouts[] = {
    {6, 4, 4, 4, 0, 224, 352, 225, true},    {6, 6, 2, 6, 0, 224, 288, 225, true},
    {12, 0, 0, 0, 0, 799, 416, 417, false},  {12, 4, 4, 4, 0, 416, 544, 417, true},
    {12, 6, 2, 6, 0, 416, 480, 417, true},   {12, 8, 0, 8, 0, 799, 416, 417, false},
    {12, 22, 0, 4, 0, 799, 416, 417, false}, {24, 0, 0, 0, 0, 799, 799, 417, false},
    {24, 4, 4, 4, 0, 799, 927, 417, true},   {24, 8, 8, 4, 4, 799, 1055, 417, true},
    {24, 12, 4, 4, 8, 799, 927, 417, true},  {24, 16, 0, 8, 8, 799, 799, 417, false},
    {24, 43, 4, 4, 3, 799, 927, 417, true},  {24, 62, 4, 4, 4, 799, 927, 417, true},
};

class SchemeLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SchemeLayout, ShowsTheRowsAndGroupsOfTheCode) {
    const LayoutCase c = GetParam();
    SchemeFixture s;
    s.create(c.first, c.second);
    const int n = c.first;
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        const bool exists = slot < n || (slot >= 24 && slot < 24 + c.extra);
        SCOPED_TRACE(slot);
        EXPECT_EQ(s.visible(Family::InputNumber, slot), exists);
        EXPECT_EQ(s.visible(Family::InputName, slot), exists);
        EXPECT_EQ(s.visible(Family::ContactToggle, slot), exists);
        EXPECT_FALSE(s.view.at(Family::ContactToggle, slot).enabled);
        if (exists) {
            EXPECT_EQ(s.view.at(Family::InputNumber, slot).caption.toInt(),
                      slot < 24 ? slot + 1 : n + 1 + slot - 24);
        }
    }
    for (int line = 0; line < kOutputLines; ++line) {
        const bool exists = line < 8 ? line < c.mr1 : line - 8 < c.mr2;
        EXPECT_EQ(s.visible(Family::OutputNumber, line), exists) << line;
        if (exists) {
            EXPECT_EQ(s.view.at(Family::OutputNumber, line).caption.toInt(), line % 8 + 1);
        }
    }
    EXPECT_TRUE(s.view.group(FirstInputGroup).visible);
    EXPECT_EQ(s.view.group(SecondInputGroup).visible, n == 24);
    EXPECT_EQ(s.view.group(ExtraInputGroup).visible, c.extra > 0);
    EXPECT_FALSE(s.view.group(BlockGroup).visible);
    EXPECT_EQ(s.view.group(ExtraInputGroup).top, c.dvTop);
    EXPECT_EQ(s.view.group(BlockGroup).top, c.fbTop);
    EXPECT_EQ(s.view.group(FirstInputGroup).height, c.mvdi1Height);
    for (int bus = 0; bus < kBusCount; ++bus)
        EXPECT_FALSE(s.visible(Family::Bus, bus));

    const bool outputs = c.second != 0;
    for (int t : {TitleOutputsMr, TitleExtraInputs, TitleSignalling, TitleOutputs, TitleDelay})
        EXPECT_EQ(s.visible(Family::Title, t), outputs) << t;
    EXPECT_TRUE(s.visible(Family::Title, TitleInputs));
    EXPECT_TRUE(s.visible(Family::Title, TitleBlocks));
    EXPECT_EQ(s.visible(Family::Title, TitleMr1), c.mr1 > 0);
    EXPECT_EQ(s.visible(Family::Title, TitleMr2), c.mr2 > 0);
    EXPECT_FALSE(s.visible(Family::Title, TitleExtAckInput));

    EXPECT_TRUE(s.view.header.extAckVisible);
    EXPECT_FALSE(s.view.header.extAckDown);
    EXPECT_EQ(s.view.header.extAckEnabled, c.extAckEnabled);
    EXPECT_TRUE(s.view.header.deviceNumberVisible);
    EXPECT_EQ(s.model.SchemeCreated, 1);
    EXPECT_EQ(s.model.SelectedFb, -1);
}

INSTANTIATE_TEST_SUITE_P(AllCodes, SchemeLayout, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             const LayoutCase& c = info.param;
                             return "Code" + std::to_string(c.first) + "_" +
                                    std::to_string(c.second);
                         });

TEST(SchemeCreation, CreatingAgainEmptiesRecordsViewAndSelection) {
    SchemeFixture s;
    s.create(24, 8);
    s.model.Channels[3] = {0xC5, 1, 1, 0x85};
    s.model.FunctionBlocks[0] = {1, 0x81, 0, 0, 0, 0x42, 1, 0, 3};
    s.model.Included[3] = 1;
    s.model.UsedFbCount = 1;
    s.model.SelectedInput = 3;
    s.model.EditedOutput = 2;
    s.view.showRow(3, s.model.Channels[3]);
    s.view.at(Family::InputNumber, 3).back = colours::aqua;
    s.view.at(Family::InputName, 3).caption = "Насос";
    s.model.Modified = 1;

    s.create(6, 4);
    EXPECT_EQ(s.model.Channels[3], (ChannelRecord{}));
    EXPECT_EQ(s.model.FunctionBlocks[0], (FbRecord{}));
    EXPECT_EQ(s.model.Included[3], 0);
    EXPECT_EQ(s.model.InclusionBits, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(s.model.UsedFbCount, 0);
    EXPECT_EQ(s.model.SelectedInput, -1);
    EXPECT_EQ(s.model.EditedOutput, -1);
    EXPECT_EQ(s.model.Modified, 1);
    EXPECT_FALSE(s.visible(Family::SignallingPanel, 3));
    EXPECT_FALSE(s.visible(Family::OutputsPanel, 3));
    EXPECT_FALSE(s.visible(Family::DelayPanel, 3));
    EXPECT_EQ(s.view.at(Family::CellNumber, 3).caption, "00");
    EXPECT_EQ(s.view.at(Family::InputNumber, 3).back, colours::buttonFace);
    EXPECT_EQ(s.view.at(Family::InputName, 3).caption, QString(10, ' '));
    EXPECT_FALSE(s.visible(Family::InputNumber, 12)); // 24 inputs no longer
}

TEST(SchemeCreation, ChangeConfigurationClearsAndOffersTheModelList) {
    SchemeFixture s;
    s.create(12, 4);
    s.view.header.setConfigVisible = true;
    s.creation.ChangeConfiguration();
    EXPECT_EQ(s.model.SchemeCreated, 0);
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_FALSE(s.view.group(g).visible);
    EXPECT_EQ(s.view.group(ExtraInputGroup).top, SchemeView::kSavedDvTop);
    EXPECT_EQ(s.view.group(BlockGroup).top, SchemeView::kSavedFbTop);
    EXPECT_FALSE(s.view.header.extAckVisible);
    EXPECT_FALSE(s.view.header.deviceNumberVisible);
    EXPECT_TRUE(s.view.header.modelListVisible);
    EXPECT_TRUE(s.messages.shown.empty());

    s.creation.ModelChosen();
    EXPECT_FALSE(s.view.header.modelListVisible);
    EXPECT_FALSE(s.view.header.setConfigVisible);
}

struct PromptCase {
    Answer answer;
    int accessLevel;
    bool leave;
    std::size_t boxes;
};
void PrintTo(const PromptCase& c, std::ostream* os) {
    *os << "answer " << static_cast<int>(c.answer) << ", access " << c.accessLevel;
}

class PromptCreateScheme : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PromptCreateScheme, AsksAndTellsTheCallerWhetherToLeave) {
    const PromptCase c = GetParam();
    SchemeFixture s;
    s.model.AccessLevel = c.accessLevel;
    s.messages.answers.push_back(c.answer);
    EXPECT_EQ(s.creation.PromptCreateScheme(), c.leave);
    ASSERT_EQ(s.messages.shown.size(), c.boxes);
    EXPECT_EQ(s.messages.shown[0].text, "Схема не создана. Будете создавать?");
    EXPECT_EQ(s.messages.shown[0].buttons, MessageButtons::YesNo);
    if (c.boxes == 2) {
        EXPECT_EQ(s.messages.shown[1].text, "Ваш уровень доступа не позволяет создавать схему");
    }
    EXPECT_EQ(s.model.SchemeCreated, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, PromptCreateScheme,
                         ::testing::Values(PromptCase{Answer::No, 1, true, 1},
                                           PromptCase{Answer::Yes, 0, false, 2},
                                           PromptCase{Answer::Yes, 1, false, 1}),
                         [](const ::testing::TestParamInfo<PromptCase>& info) {
                             const PromptCase& c = info.param;
                             return std::string(c.answer == Answer::Yes ? "Yes" : "No") + "Access" +
                                    std::to_string(c.accessLevel);
                         });

} // namespace
