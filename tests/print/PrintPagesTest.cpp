#include "print/PrintPages.h"
#include "support/FakeMessages.h"
#include "support/RecordingWindow.h"
#include "support/SampleSchemes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Sample {
    FakeMessages messages;
    RecordingWindow window;
    SchemeSession session{messages, window};
    ConfigurationModel& model = session.model;
    SchemeView& view = session.view;
    Sample(int first, int second, int blocks) { BuildSampleScheme(session, first, second, blocks); }
    explicit Sample(const std::vector<int>& blocks) {
        BuildSampleSchemeWithBlocks(session, 24, 8, blocks);
    }
};

bool inside(const Rect& r, const Rect& area) {
    return r.x >= area.x && r.y >= area.y && r.right() <= area.right() &&
           r.bottom() <= area.bottom();
}

void forEachShown(const SchemeView& v, const std::function<void(Family, int)>& visit) {
    for (int f = 0; f < kFamilyCount; ++f)
        for (int i = 0; i < v.count(static_cast<Family>(f)); ++i)
            if (v.shown(static_cast<Family>(f), i))
                visit(static_cast<Family>(f), i);
}

// Over every execution code with all blocks in use: each page keeps what it shows inside
// its background, page 1 shows every existing input and no block, and each block is on
// exactly one block page.
TEST(PrintPages, EveryPageHoldsItsOwnRowsInsideItsBackground) {
    int codes = 0;
    for (int first : {6, 12, 24})
        for (int second : {0, 4, 6, 8, 12, 16, 22, 43, 62}) {
            if (!ConfigurationModel::IsValidExecCode(first, second))
                continue;
            ++codes;
            Sample s(first, second, 13);
            const std::string code = std::to_string(first) + "-" + std::to_string(second);
            std::array<int, kFunctionBlocks> pagesOfBlock{};
            for (int page = 1; page <= 3; ++page) {
                const PrintedPage p = LayOutPage(s.view, page);
                forEachShown(p.view, [&](Family f, int i) {
                    EXPECT_TRUE(inside(p.view.absoluteRect(f, i), p.area))
                        << code << " page " << page << " family " << int(f) << " #" << i;
                    EXPECT_EQ(p.view.at(f, i).group == BlockGroup, page > 1) << code;
                    if (f == Family::BlockBody)
                        ++pagesOfBlock[i];
                });
                for (int slot = 0; page == 1 && slot < kChannelSlots; ++slot) {
                    EXPECT_EQ(p.view.shown(Family::InputName, slot),
                              s.view.shown(Family::InputName, slot))
                        << code << " slot " << slot;
                }
            }
            for (int b = 0; b < kFunctionBlocks; ++b)
                EXPECT_EQ(pagesOfBlock[b], 1) << code << " block " << b + 1;
        }
    EXPECT_EQ(codes, 14);
}

TEST(PrintPages, BlocksNineToThirteenMoveToTheTopOfPageThree) {
    Sample s(24, 8, 13);
    const PrintedPage p3 = LayOutPage(s.view, 3);
    EXPECT_FALSE(p3.view.shown(Family::BlockBody, 7));
    EXPECT_TRUE(p3.view.shown(Family::BlockBody, 8));
    EXPECT_EQ(p3.view.absoluteRect(Family::BlockBody, 8).y, 8);
    EXPECT_EQ(p3.view.absoluteRect(Family::OutputsPanel, 32 + 12).y, 32 + 4 * 112);
    EXPECT_EQ(p3.area.h, 5 * 112 + 40);
    EXPECT_FALSE(p3.view.shown(Family::Title, TitleBlocks));
    const PrintedPage p2 = LayOutPage(s.view, 2);
    EXPECT_EQ(p2.area.h, 8 * 112 + 40);
    EXPECT_TRUE(p2.view.shown(Family::Title, TitleBlocks));
    EXPECT_FALSE(p2.view.shown(Family::BlockInputKind, 4 * 8)); // block 9's first input label
}

TEST(PrintPages, BlockBusesRunFromThePageTopToTheLastBlockOfThePage) {
    struct Case {
        std::vector<int> blocks;
        int page, inputBus, outputBus;
    };
    // The sample's blocks 1, 3, 5.. drive outputs; block 2 does not. Deleted blocks below
    // the highest leave the buses as long.
    const Case cases[] = {{{1, 2, 3}, 2, 336, 272},
                          {{1, 2, 3, 4, 5, 6, 7, 8}, 2, 896, 832},
                          {{1, 2, 9}, 2, 936, 936},
                          {{9}, 3, 112, 48},
                          {{1, 12}, 2, 936, 936},
                          {{1, 12}, 3, 448, 384},
                          {{3, 5, 6}, 2, 672, 608},
                          {{1, 3, 4, 7, 8, 9, 12, 13}, 3, 560, 496},
                          {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 3, 560, 496}};
    for (const Case& c : cases) {
        Sample s(c.blocks);
        const PrintedPage p = LayOutPage(s.view, c.page);
        const Rect in = p.view.absoluteRect(Family::Bus, BlockInputBus);
        const Rect out = p.view.absoluteRect(Family::Bus, BlockOutputBus);
        EXPECT_EQ(in.y, 0);
        EXPECT_EQ(in.h, c.inputBus) << c.blocks.size() << " blocks, page " << c.page;
        EXPECT_EQ(out.y, 0);
        EXPECT_EQ(out.h, c.outputBus) << c.blocks.size() << " blocks, page " << c.page;
        EXPECT_TRUE(p.view.shown(Family::Bus, BlockOutputBus));
    }
}

TEST(PrintPages, OutputMarksPrintHigherWithLongListsOnTwoLines) {
    Sample s(24, 16, 1);
    s.view.ShowRowOutputs(3, 0x3F, 0x81, 1);
    const PrintedPage p = LayOutPage(s.view, 1);
    const Element& list = p.view.at(Family::Mr1Outputs, 3);
    EXPECT_EQ(list.caption, "1,2,3,4,\n5,6,");
    EXPECT_EQ(p.view.at(Family::Mr2Outputs, 3).caption, "1,8,");
    EXPECT_EQ(list.rect.y, s.view.at(Family::Mr1Outputs, 3).rect.y - 4);
    EXPECT_EQ(list.back, (Rgb{255, 255, 255}));
    EXPECT_EQ(p.view.at(Family::InterlockMark, 3).back, (Rgb{192, 192, 192}));
    EXPECT_EQ(s.view.at(Family::Mr1Outputs, 3).caption, "1,2,3,4,5,6,"); // the screen keeps its own
}

TEST(PrintPages, DisabledContactsPrintEmpty) {
    Sample s(12, 4, 0);
    int disabled = 0;
    const PrintedPage p = LayOutPage(s.view, 1);
    for (int slot = 0; slot < 12; ++slot) {
        const Element& toggle = s.view.at(Family::ContactToggle, slot);
        ASSERT_TRUE(toggle.visible);
        disabled += toggle.enabled ? 0 : 1;
        EXPECT_EQ(p.view.shown(Family::ContactToggle, slot), toggle.enabled) << slot;
    }
    EXPECT_GT(disabled, 0);
}

} // namespace
