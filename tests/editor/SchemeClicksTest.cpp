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
    const ConfigurationModel& m = s.model;
    if (m.SelectedInput >= 0 && m.SelectedFb >= 0)
        return ::testing::AssertionFailure() << "input and block both selected";
    for (int i = 0; i < kChannelSlots; ++i)
        if (highlighted(s.view, F::InputNumber, i) != (i == m.SelectedInput))
            return ::testing::AssertionFailure() << "input number " << i;
    for (int b = 0; b < kFunctionBlocks; ++b)
        if (highlighted(s.view, F::BlockNumber, b) != (b == m.SelectedFb))
            return ::testing::AssertionFailure() << "block number " << b;
    for (int j = 0; j < kOutputLines; ++j)
        if (highlighted(s.view, F::OutputNumber, j) != (j == m.EditedOutput))
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
        last = clicks.clickElement(e);
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
        ClickCase{"InputNumberSelects", {{F::InputNumber, 3}}, 3, -1, -1, C::None, false, -1},
        ClickCase{"InputNumberTwiceDeselects",
                  {{F::InputNumber, 3}, {F::InputNumber, 3}},
                  -1,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"SignallingKeepsTheSelectedInput",
                  {{F::InputNumber, 3}, {F::SignallingPanel, 3}},
                  3,
                  -1,
                  -1,
                  C::Signalling,
                  false,
                  -1},
        ClickCase{"CellNumberIsTheSignalling",
                  {{F::CellNumber, 30}},
                  30,
                  -1,
                  -1,
                  C::Signalling,
                  false,
                  -1},
        ClickCase{"DelayValueSelectsItsRow",
                  {{F::InputNumber, 1}, {F::DelayValue, 5}},
                  5,
                  -1,
                  -1,
                  C::Delay,
                  false,
                  -1},
        ClickCase{"OutputsMarkOfABlockRow",
                  {{F::InputNumber, 1}, {F::Mr2Outputs, 34}},
                  -1,
                  2,
                  -1,
                  C::Outputs,
                  false,
                  -1},
        ClickCase{"InterlockMarkIsTheOutputs",
                  {{F::InterlockMark, 44}},
                  -1,
                  12,
                  -1,
                  C::Outputs,
                  false,
                  -1},
        ClickCase{"BlockNumberToggles",
                  {{F::BlockNumber, 2}, {F::BlockNumber, 2}},
                  -1,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"BlockNumberDropsTheInput",
                  {{F::InputNumber, 7}, {F::BlockNumber, 2}},
                  -1,
                  2,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"BlockBodyNeverDeselects",
                  {{F::BlockBody, 2}, {F::BlockBody, 2}},
                  -1,
                  2,
                  -1,
                  C::FunctionBlock,
                  false,
                  -1},
        ClickCase{"BlockPictureOpensTheBlock",
                  {{F::InputNumber, 0}, {F::BlockTypePicture, 4}},
                  -1,
                  4,
                  -1,
                  C::FunctionBlock,
                  false,
                  -1},
        ClickCase{"InputNumberDropsTheBlock",
                  {{F::BlockNumber, 1}, {F::InputNumber, 0}},
                  0,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{"TimerPictureDoesNothing",
                  {{F::InputNumber, 2}, {F::BlockTimerPicture, 0}},
                  2,
                  -1,
                  -1,
                  C::None,
                  false,
                  -1},
        ClickCase{
            "OutputNumberOpensTheEditor", {{F::OutputNumber, 3}}, -1, -1, 3, C::None, false, 3},
        ClickCase{"AnotherOutputMovesTheEditor",
                  {{F::OutputNumber, 3}, {F::OutputNumber, 13}},
                  -1,
                  -1,
                  13,
                  C::None,
                  false,
                  13},
        ClickCase{"SameOutputClosesTheEditor",
                  {{F::OutputNumber, 3}, {F::OutputNumber, 3}},
                  -1,
                  -1,
                  -1,
                  C::None,
                  true,
                  -1},
        ClickCase{"EditorStaysOverARowClick",
                  {{F::OutputNumber, 3}, {F::DelayPanel, 1}},
                  1,
                  -1,
                  3,
                  C::Delay,
                  false,
                  -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Clicks, RandomSequencesKeepOneSelectionAndItsHighlight) {
    const std::vector<std::pair<Family, int>> families{{F::InputNumber, kChannelSlots},
                                                       {F::BlockNumber, kFunctionBlocks},
                                                       {F::BlockBody, kFunctionBlocks},
                                                       {F::BlockTypePicture, kFunctionBlocks},
                                                       {F::BlockTimerPicture, kFunctionBlocks},
                                                       {F::SignallingPanel, kSchemeRows},
                                                       {F::CellNumber, kSchemeRows},
                                                       {F::DelayPanel, kSchemeRows},
                                                       {F::Mr1Outputs, kSchemeRows},
                                                       {F::OutputsPanel, kSchemeRows},
                                                       {F::OutputNumber, kOutputLines},
                                                       {F::InputName, kChannelSlots},
                                                       {F::RowLine, kSchemeRows},
                                                       {F::BlockInputKind, kBlockInputs}};
    std::mt19937 random(20261207);
    for (int sequence = 0; sequence < 40; ++sequence) {
        SchemeFixture s;
        s.create(24, 16);
        SchemeClicks clicks(s.session);
        for (int n = 0; n < 100; ++n) {
            const auto& [family, count] = families[random() % families.size()];
            const ElementRef e{family, static_cast<int>(random() % count)};
            clicks.clickElement(e);
            ASSERT_TRUE(selectionShown(s)) << "sequence " << sequence << " click " << n;
        }
    }
}

TEST(OutputNames, CommitIsOnlyANameAndEmptyIsTenSpaces) {
    SchemeFixture s;
    s.create(24, 8);
    SchemeClicks clicks(s.session);
    const auto channels = s.model.Channels;
    clicks.clickElement({F::OutputNumber, 2});
    QString typed = "Насос 2";
    clicks.commitOutputName(typed);
    EXPECT_EQ(s.view.at(F::OutputName, 2).caption, "Насос 2");
    QString empty;
    clicks.commitOutputName(empty);
    EXPECT_EQ(empty, "          ");
    EXPECT_EQ(s.view.at(F::OutputName, 2).caption, "          ");
    EXPECT_EQ(s.model.Modified, 0);
    EXPECT_EQ(s.model.Channels, channels);
    clicks.clickElement({F::OutputNumber, 2}); // closed: a late focus loss names nothing
    QString late = "X";
    clicks.commitOutputName(late);
    EXPECT_EQ(s.view.at(F::OutputName, 2).caption, "          ");
}

TEST(OutputNames, EditorSitsOverTheNameInItsGroup) {
    SchemeFixture s;
    s.create(24, 16);
    SchemeClicks clicks(s.session);
    EXPECT_EQ(clicks.OutputEditorRect(3), (Rect{640, 136, 65, 17}));
    EXPECT_EQ(clicks.OutputEditorRect(13), (Rect{640, 416 + 32 + 8, 65, 17}));
}

TEST(ContextHelp, TopicOfEachElement) {
    const std::vector<std::pair<ElementRef, int>> topics{{{F::InputName, 5}, 11},
                                                         {{F::Title, TitleInputs}, 11},
                                                         {{F::SignallingPanel, 40}, 12},
                                                         {{F::CellNumber, 2}, 12},
                                                         {{F::Title, TitleSignalling}, 12},
                                                         {{F::DelayPanel, 0}, 13},
                                                         {{F::DelayValue, 33}, 13},
                                                         {{F::Title, TitleDelay}, 13},
                                                         {{F::OutputsPanel, 7}, 14},
                                                         {{F::Mr1Outputs, 7}, 14},
                                                         {{F::Title, TitleOutputs}, 14},
                                                         {{F::BlockBody, 12}, 15},
                                                         {{F::OutputName, 15}, 16},
                                                         {{F::Title, TitleOutputsMr}, 16},
                                                         {{F::RowLine, 1}, 40},
                                                         {{F::RowLine, 2}, 0},
                                                         {{F::InputNumber, 1}, 0},
                                                         {{F::OutputNumber, 1}, 0},
                                                         {{F::Title, TitleMr1}, 0},
                                                         {{F::BlockTimerPicture, 0}, 0}};
    for (const auto& [element, topic] : topics)
        EXPECT_EQ(HelpTopic(element), topic)
            << static_cast<int>(element.family) << " " << element.index;
}

} // namespace
