#include "SchemeFixture.h"
#include "support/SampleSchemes.h"

#include <gtest/gtest.h>

namespace {

struct SignallingCase {
    int typeBits;
    const char* caption;
    Rgb cellColour;
};
void PrintTo(const SignallingCase& c, std::ostream* os) {
    *os << "type bits " << c.typeBits;
}

class RowSignalling : public ::testing::TestWithParam<SignallingCase> {};

TEST_P(RowSignalling, CaptionAndCellColourFollowTheType) {
    const SignallingCase c = GetParam();
    SchemeFixture s;
    s.create(24, 8);
    for (int row : {4, 40}) {
        s.view.ShowRowSignalling(row, c.typeBits, 17);
        EXPECT_EQ(s.view.shown(Family::CellNumber, row), row < 32); // the block group is hidden
        EXPECT_TRUE(s.visible(Family::SignallingPanel, row));
        EXPECT_EQ(s.view.at(Family::SignallingPanel, row).caption, QString(c.caption));
        EXPECT_EQ(s.view.at(Family::CellNumber, row).back, c.cellColour);
        EXPECT_EQ(s.view.at(Family::CellNumber, row).caption, "17");
    }
}

INSTANTIATE_TEST_SUITE_P(Types, RowSignalling,
                         ::testing::Values(SignallingCase{0x40, "пред.", colours::yellow},
                                           SignallingCase{0x80, "авар.", colours::red},
                                           SignallingCase{0xC0, "инд.", colours::lime}),
                         [](const ::testing::TestParamInfo<SignallingCase>& info) {
                             const SignallingCase& c = info.param;
                             return "TypeBits" + std::to_string(c.typeBits);
                         });

TEST(RowOutputs, ListsEveryOutputWithACommaAndPutsItInTheHints) {
    SchemeFixture s;
    s.create(24, 12); // 4 + 8 outputs
    s.view.ShowRowOutputs(7, 0x05 | 0x80, 0x81, 0x80);
    EXPECT_EQ(s.view.at(Family::Mr1Outputs, 7).caption, "1,3,"); // output 8 of МР №1 does not exist
    EXPECT_EQ(s.view.at(Family::Mr1Mark, 7).caption, "1");
    EXPECT_EQ(s.view.at(Family::Mr1Outputs, 7).hint, "Выходы МР №1:1,3,");
    EXPECT_EQ(s.view.at(Family::Mr1Mark, 7).hint, "Выходы МР №1:1,3,");
    EXPECT_EQ(s.view.at(Family::Mr2Outputs, 7).caption, "1,8,");
    EXPECT_EQ(s.view.at(Family::Mr2Mark, 7).caption, "2");
    EXPECT_EQ(s.view.at(Family::Mr2Outputs, 7).hint, "Выходы МР №2:1,8,");
    EXPECT_TRUE(s.visible(Family::InterlockMark, 7));
    EXPECT_EQ(s.view.at(Family::InterlockMark, 7).caption, "бл");
    EXPECT_TRUE(s.visible(Family::OutputsPanel, 7));

    s.view.ShowRowOutputs(7, 0, 0x02, 0);
    EXPECT_FALSE(s.visible(Family::Mr1Outputs, 7));
    EXPECT_EQ(s.view.at(Family::Mr1Outputs, 7).caption, "");
    EXPECT_EQ(s.view.at(Family::Mr1Outputs, 7).hint, "Выходы МР №1:");
    EXPECT_EQ(s.view.at(Family::Mr2Outputs, 7).caption, "2,");
    EXPECT_FALSE(s.visible(Family::InterlockMark, 7));

    s.view.ShowRowOutputs(7, 0, 0, 0x80);
    EXPECT_FALSE(s.visible(Family::OutputsPanel, 7));
}

TEST(RowOutputs, ModuleWithoutOutputsShowsNoList) {
    SchemeFixture s;
    s.create(12, 8); // no МР №2
    s.view.ShowRowOutputs(0, 0, 0x01, 0);
    EXPECT_FALSE(s.visible(Family::Mr2Outputs, 0));
    EXPECT_TRUE(s.visible(Family::OutputsPanel, 0)); // the mask is kept and still counts
}

TEST(RowDisplay, DelayIsShownInSeconds) {
    SchemeFixture s;
    s.create(12, 4);
    s.view.showRow(1, {0, 0, 0, 0x40 | 0x80 | 60});
    EXPECT_EQ(s.view.at(Family::DelayValue, 1).caption, "600");
    EXPECT_TRUE(s.visible(Family::DelayPanel, 1));
    EXPECT_FALSE(s.visible(Family::SignallingPanel, 1));
    s.view.showRow(2, {0, 0, 0, 7});
    EXPECT_EQ(s.view.at(Family::DelayValue, 2).caption, "7");
    s.view.showRow(3, {0, 0, 0, 0x40});
    EXPECT_FALSE(s.visible(Family::DelayPanel, 3));
}

TEST(RowDisplay, BlockInputsShowSourceNumberAndInversion) {
    SchemeFixture s;
    s.create(24, 8);
    s.view.showBlock(2, {4, 0x05, 0xC3, 0x00, 0x40, 0, 0, 0, 0});
    EXPECT_EQ(s.view.at(Family::BlockTypePicture, 2).picture, Picture::Or);
    EXPECT_TRUE(s.visible(Family::BlockOutputInversion, 2));
    EXPECT_TRUE(s.visible(Family::BlockBody, 2));
    EXPECT_EQ(s.view.at(Family::BlockInputKind, 8).caption, "усо");
    EXPECT_EQ(s.view.at(Family::BlockInputNumber, 8).caption, "5");
    EXPECT_TRUE(s.visible(Family::BlockInputInversion, 8)); // inverted
    EXPECT_EQ(s.view.at(Family::BlockInputKind, 9).caption, "фб");
    EXPECT_FALSE(s.visible(Family::BlockInputInversion, 9));
    for (int input : {10, 11}) {
        EXPECT_FALSE(s.visible(Family::BlockInputLine, input));
        EXPECT_FALSE(s.visible(Family::BlockInputNumber, input));
        EXPECT_EQ(s.view.at(Family::BlockInputNumber, input).caption, "0");
    }
    s.view.showBlockTimer(2, 1);
    EXPECT_EQ(s.view.at(Family::BlockTimerPicture, 2).picture, Picture::Pulse);
}

TEST(RowDisplay, ExternalAckLabelSitsAtTheLastChannel) {
    SchemeFixture s;
    s.create(12, 4); // last channel: image index 15 in slot 27
    s.view.ShowExternalAck(true);
    const Element& label = s.view.at(Family::Title, TitleExtAckInput);
    EXPECT_TRUE(s.view.header.extAckDown);
    EXPECT_TRUE(label.visible);
    EXPECT_EQ(label.group, ExtraInputGroup);
    EXPECT_EQ(label.rect.y, s.view.at(Family::InputNumber, 27).rect.y + 12);
    s.view.ShowExternalAck(false);
    EXPECT_FALSE(s.view.header.extAckDown);
    EXPECT_FALSE(label.visible);
}

// The mark sits beside its row and covers nothing drawn there, even when a
// file left the row with signalling, a delay and outputs.
TEST(RowDisplay, ExternalAckLabelCoversNothing) {
    for (int first : {6, 12, 24})
        for (int second = 0; second < 100; ++second) {
            SchemeFixture s;
            if (!ConfigurationModel::IsValidExecCode(first, second) ||
                (s.create(first, second), s.model.ExtraInputCount == 0))
                continue;
            SCOPED_TRACE(std::to_string(first) + "-" + std::to_string(second));
            const int row = s.view.ExternalAckRow();
            s.view.ShowRowSignalling(row, 0x80, 12);
            s.view.ShowRowDelay(row, 0x40 | 57);
            s.view.ShowRowOutputs(row, 0x0F, 0x0F, 0x80);
            s.view.ShowExternalAck(true);
            ASSERT_TRUE(s.visible(Family::Title, TitleExtAckInput));
            const Rect mark = s.view.absoluteRect(Family::Title, TitleExtAckInput);
            for (int f = 0; f < kFamilyCount; ++f)
                for (int i = 0; i < s.view.count(static_cast<Family>(f)); ++i) {
                    const auto family = static_cast<Family>(f);
                    if ((family == Family::Title && i == TitleExtAckInput) ||
                        !s.view.shown(family, i))
                        continue;
                    const Rect r = s.view.absoluteRect(family, i);
                    const bool apart = r.x + r.w <= mark.x || mark.x + mark.w <= r.x ||
                                       r.y + r.h <= mark.y || mark.y + mark.h <= r.y;
                    EXPECT_TRUE(apart) << "family " << f << " element " << i;
                }
        }
}

TEST(RowDisplay, LoadedSampleDrawsContactsAndBlocks) {
    SchemeFixture s;
    BuildSampleScheme(s.session, 12, 4);
    // Input 1: included, normally open, warning; input 5 is not included.
    EXPECT_TRUE(s.view.at(Family::ContactToggle, 0).enabled);
    EXPECT_TRUE(s.view.at(Family::ContactToggle, 0).pressed);
    EXPECT_FALSE(s.view.at(Family::ContactToggle, 4).enabled);
    EXPECT_EQ(s.model.UsedFbCount, 5);
    EXPECT_TRUE(s.view.group(BlockGroup).visible);
    EXPECT_EQ(s.view.at(Family::BlockTimerPicture, 0).picture, Picture::Pulse);
    EXPECT_EQ(s.view.at(Family::BlockTimerPicture, 2).picture, Picture::OnDelay);
    EXPECT_TRUE(s.visible(Family::FeedDot, 24)); // block 1 reads the first additional input
}

} // namespace
