#include "editor/SchemeClicks.h"
#include "SchemeFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace {

using F = Family;

bool highlighted(const SchemeView& view, Family family, int index) {
    return view.at(family, index).back == colours::aqua;
}

// Selection and highlights agree: exactly the selected input, block and
// edited output are highlighted, and never an input and a block at once.
::testing::AssertionResult selectionShown(const SchemeFixture& s) {
    const TProgVilClass& m = s.model;
    if (m.SelectedInput >= 0 && m.SelectedFb >= 0)
        return ::testing::AssertionFailure() << "input and block both selected";
    for (int i = 0; i < kChannelSlots; ++i)
        if (highlighted(s.view, F::Panelvx, i) != (i == m.SelectedInput))
            return ::testing::AssertionFailure() << "input number " << i;
    for (int b = 0; b < kFunctionBlocks; ++b)
        if (highlighted(s.view, F::PanelF, b) != (b == m.SelectedFb))
            return ::testing::AssertionFailure() << "block number " << b;
    for (int j = 0; j < kOutputLines; ++j)
        if (highlighted(s.view, F::Panelvyx, j) != (j == m.EditedOutput))
            return ::testing::AssertionFailure() << "output number " << j;
    return ::testing::AssertionSuccess();
}

struct ClickCase {
    const char* name;
    std::vector<ElementRef> clicks;
    int input, block, edited;
    ClickCommand command; // of the last click
    bool closeEditor;
    int openEditor;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class Clicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(Clicks, SelectAndStartTheirCommand) {
    const ClickCase& c = GetParam();
    SchemeFixture s;
    s.create(24, 16);
    SchemeClicks clicks(s.session);
    ClickOutcome last;
    for (ElementRef e : c.clicks) {
        last = clicks.Panelvx1Click(e);
        ASSERT_TRUE(selectionShown(s));
    }
    EXPECT_EQ(s.model.SelectedInput, c.input);
    EXPECT_EQ(s.model.SelectedFb, c.block);
    EXPECT_EQ(s.model.EditedOutput, c.edited);
    EXPECT_EQ(last.command, c.command);
    EXPECT_EQ(last.closeEditor, c.closeEditor);
    EXPECT_EQ(last.openEditor, c.openEditor);
}

using C = ClickCommand;
INSTANTIATE_TEST_SUITE_P(
    Rules, Clicks,
    ::testing::Values(
        ClickCase{"InputNumberSelects", {{F::Panelvx, 3}}, 3, -1, -1, C::None, false, -1},
        ClickCase{"InputNumberTwiceDeselects",
                  {{F::Panelvx, 3}, {F::Panelvx, 3}},
                  -1,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"SignallingKeepsTheSelectedInput",
                  {{F::Panelvx, 3}, {F::PanelS, 3}},
                  3,
                  -1,
                  -1,
                  C::Signalling,
                  false,
                  -1},
        ClickCase{
            "CellNumberIsTheSignalling", {{F::StN, 30}}, 30, -1, -1, C::Signalling, false, -1},
        ClickCase{"DelayValueSelectsItsRow",
                  {{F::Panelvx, 1}, {F::StZ, 5}},
                  5,
                  -1,
                  -1,
                  C::Delay,
                  false,
                  -1},
        ClickCase{"OutputsMarkOfABlockRow",
                  {{F::Panelvx, 1}, {F::StMM, 34}},
                  -1,
                  2,
                  -1,
                  C::Outputs,
                  false,
                  -1},
        ClickCase{"InterlockMarkIsTheOutputs", {{F::StB, 44}}, -1, 12, -1, C::Outputs, false, -1},
        ClickCase{
            "BlockNumberToggles", {{F::PanelF, 2}, {F::PanelF, 2}}, -1, -1, -1, C::None, false, -1},
        ClickCase{"BlockNumberDropsTheInput",
                  {{F::Panelvx, 7}, {F::PanelF, 2}},
                  -1,
                  2,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"BlockBodyNeverDeselects",
                  {{F::PanelBl, 2}, {F::PanelBl, 2}},
                  -1,
                  2,
                  -1,
                  C::FunctionBlock,
                  false,
                  -1},
        ClickCase{"BlockPictureOpensTheBlock",
                  {{F::Panelvx, 0}, {F::ImaF, 4}},
                  -1,
                  4,
                  -1,
                  C::FunctionBlock,
                  false,
                  -1},
        ClickCase{"InputNumberDropsTheBlock",
                  {{F::PanelF, 1}, {F::Panelvx, 0}},
                  0,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"TimerPictureDoesNothing",
                  {{F::Panelvx, 2}, {F::ImaT_F, 0}},
                  2,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"OutputNumberOpensTheEditor", {{F::Panelvyx, 3}}, -1, -1, 3, C::None, false, 3},
        ClickCase{"AnotherOutputMovesTheEditor",
                  {{F::Panelvyx, 3}, {F::Panelvyx, 13}},
                  -1,
                  -1,
                  13,
                  C::None,
                  false,
                  13},
        ClickCase{"SameOutputClosesTheEditor",
                  {{F::Panelvyx, 3}, {F::Panelvyx, 3}},
                  -1,
                  -1,
                  -1,
                  C::None,
                  true,
                  -1},
        ClickCase{"EditorStaysOverARowClick",
                  {{F::Panelvyx, 3}, {F::PanelZ, 1}},
                  1,
                  -1,
                  3,
                  C::Delay,
                  false,
                  -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Clicks, RandomSequencesKeepOneSelectionAndItsHighlight) {
    const std::vector<std::pair<Family, int>> families{
        {F::Panelvx, kChannelSlots}, {F::PanelF, kFunctionBlocks}, {F::PanelBl, kFunctionBlocks},
        {F::ImaF, kFunctionBlocks},  {F::ImaT_F, kFunctionBlocks}, {F::PanelS, kSchemeRows},
        {F::StN, kSchemeRows},       {F::PanelZ, kSchemeRows},     {F::StM, kSchemeRows},
        {F::PanelV, kSchemeRows},    {F::Panelvyx, kOutputLines},  {F::PText, kChannelSlots},
        {F::Sm, kSchemeRows},        {F::StIV, kBlockInputs}};
    std::mt19937 random(20261207);
    for (int sequence = 0; sequence < 40; ++sequence) {
        SchemeFixture s;
        s.create(24, 16);
        SchemeClicks clicks(s.session);
        for (int n = 0; n < 100; ++n) {
            const auto& [family, count] = families[random() % families.size()];
            const ElementRef e{family, static_cast<int>(random() % count)};
            clicks.Panelvx1Click(e);
            ASSERT_TRUE(selectionShown(s)) << "sequence " << sequence << " click " << n;
        }
    }
}

TEST(OutputNames, CommitIsOnlyANameAndEmptyIsTenSpaces) {
    SchemeFixture s;
    s.create(24, 8);
    SchemeClicks clicks(s.session);
    const auto channels = s.model.Channels;
    clicks.Panelvx1Click({F::Panelvyx, 2});
    QString typed = "Насос 2";
    clicks.EditNPortExit(typed);
    EXPECT_EQ(s.view.at(F::PTextV, 2).caption, "Насос 2");
    QString empty;
    clicks.EditNPortExit(empty);
    EXPECT_EQ(empty, "          ");
    EXPECT_EQ(s.view.at(F::PTextV, 2).caption, "          ");
    EXPECT_EQ(s.model.Modified, 0);
    EXPECT_EQ(s.model.Channels, channels);
    clicks.Panelvx1Click({F::Panelvyx, 2}); // closed: a late focus loss names nothing
    QString late = "X";
    clicks.EditNPortExit(late);
    EXPECT_EQ(s.view.at(F::PTextV, 2).caption, "          ");
}

TEST(OutputNames, EditorSitsOverTheNameInItsGroup) {
    SchemeFixture s;
    s.create(24, 16);
    SchemeClicks clicks(s.session);
    EXPECT_EQ(clicks.OutputEditorRect(3), (Rect{640, 136, 65, 17}));
    EXPECT_EQ(clicks.OutputEditorRect(13), (Rect{640, 416 + 32 + 8, 65, 17}));
}

TEST(ContextHelp, TopicOfEachElement) {
    const std::vector<std::pair<ElementRef, int>> topics{{{F::PText, 5}, 11},
                                                         {{F::Title, TitleInputs}, 11},
                                                         {{F::PanelS, 40}, 12},
                                                         {{F::StN, 2}, 12},
                                                         {{F::Title, TitleSignalling}, 12},
                                                         {{F::PanelZ, 0}, 13},
                                                         {{F::StZ, 33}, 13},
                                                         {{F::Title, TitleDelay}, 13},
                                                         {{F::PanelV, 7}, 14},
                                                         {{F::StM, 7}, 14},
                                                         {{F::Title, TitleOutputs}, 14},
                                                         {{F::PanelBl, 12}, 15},
                                                         {{F::PTextV, 15}, 16},
                                                         {{F::Title, TitleOutputsMr}, 16},
                                                         {{F::Sm, 1}, 40},
                                                         {{F::Sm, 2}, 0},
                                                         {{F::Panelvx, 1}, 0},
                                                         {{F::Panelvyx, 1}, 0},
                                                         {{F::Title, TitleMr1}, 0},
                                                         {{F::ImaT_F, 0}, 0}};
    for (const auto& [element, topic] : topics)
        EXPECT_EQ(HelpTopic(element), topic)
            << static_cast<int>(element.family) << " " << element.index;
}

} // namespace
