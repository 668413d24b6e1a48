#include "print/PrintCommand.h"
#include "support/FakeMessages.h"
#include "support/RecordingWindow.h"
#include "support/SampleSchemes.h"

#include <gtest/gtest.h>

namespace {

struct ScriptedDialog : PrintDialog {
    bool accept = true;
    int from = 0, to = 0;
    QString file;
    int shown = 0;
    PrintDialogData offered;
    bool exec(PrintDialogData& data) override {
        ++shown;
        offered = data;
        data.fromPage = from;
        data.toPage = to;
        data.outputFile = file;
        return accept;
    }
};

// Records what would go on paper: one entry per page with its texts and scheme part.
struct RecordingJob : PrintJob {
    struct Page {
        std::vector<std::tuple<int, int, QString>> texts;
        int scaleX = 0, scaleY = 0, blocksShown = 0;
    };
    PrintResolution dpi{600, 600, 96, 96};
    int letterWidth = 50; // wide letters: line 2 runs past the state's column
    bool portrait = false, canBegin = true, begun = false, ended = false;
    std::vector<Page> pages;

    void setPortrait() override { portrait = true; }
    bool begin(const PrintDialogData&) override {
        begun = canBegin;
        if (begun)
            pages.emplace_back();
        return canBegin;
    }
    PrintResolution resolution() const override { return dpi; }
    void newPage() override { pages.emplace_back(); }
    int headerText(int x, int y, const QString& text) override {
        pages.back().texts.emplace_back(x, y, text);
        return x + letterWidth * static_cast<int>(text.size());
    }
    void schemePart(const SchemeView& page, const Rect&, int sx, int sy) override {
        pages.back().scaleX = sx;
        pages.back().scaleY = sy;
        for (int b = 0; b < kFunctionBlocks; ++b)
            pages.back().blocksShown += page.shown(Family::BlockBody, b) ? 1 : 0;
    }
    void end() override { ended = true; }
};

struct PrintFixture {
    FakeMessages messages;
    RecordingWindow window;
    SchemeSession session{messages, window};
    ConfigurationModel& model = session.model;
    SchemeView& view = session.view;
    PrintCommand command{session};
    ScriptedDialog dialog;
    RecordingJob job;
    void print() { command.printScheme("Программатор ВИЛ-3K", dialog, job); }
};

TEST(PrintCommand, WithoutASchemeWarnsAndPrintsNothing) {
    PrintFixture f;
    f.print();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Схема не создана");
    EXPECT_EQ(f.messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(f.dialog.shown, 0);
    EXPECT_FALSE(f.job.begun);
    EXPECT_TRUE(f.job.portrait);
}

TEST(PrintCommand, CancelOrAJobThatCannotStartPrintsNothing) {
    struct Case {
        bool accept, canBegin;
        const char* file;
        std::vector<std::string> messages;
    };
    const Case cases[] = {{false, true, "", {}},
                          {true, false, "", {}},
                          {true, false, "/gone/scheme.pdf", {"Файл не удается создать"}}};
    for (const Case& c : cases) {
        PrintFixture f;
        BuildSampleScheme(f.session, 24, 8, 3);
        f.dialog.accept = c.accept;
        f.dialog.file = c.file;
        f.job.canBegin = c.canBegin;
        f.print();
        EXPECT_EQ(f.dialog.shown, 1);
        EXPECT_TRUE(f.job.pages.empty());
        EXPECT_FALSE(f.job.ended);
        std::vector<std::string> shown;
        for (const MessageBox& box : f.messages.shown) {
            shown.push_back(box.text);
            EXPECT_EQ(box.caption, "Ошибка");
        }
        EXPECT_EQ(shown, c.messages);
    }
}

struct PagesCase {
    std::vector<int> blocks; // numbers of the blocks in use
    int from, to;
    int pages;                // the dialog's highest page
    std::vector<int> printed; // page numbers on paper
    std::vector<int> blocksOnPage;
};

void PrintTo(const PagesCase& c, std::ostream* os) {
    *os << c.blocks.size() << " blocks, pages " << c.from << ".." << c.to;
}

class PrintCommandPages : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PrintCommandPages, HeadersAndBlocksOfEachPrintedPage) {
    const PagesCase& c = GetParam();
    PrintFixture f;
    BuildSampleSchemeWithBlocks(f.session, 12, 8, c.blocks);
    f.model.DeviceNumberIndex = 6;
    f.dialog.from = c.from;
    f.dialog.to = c.to;
    f.print();
    EXPECT_EQ(f.dialog.offered.minPage, 1);
    EXPECT_EQ(f.dialog.offered.maxPage, c.pages);
    ASSERT_EQ(f.job.pages.size(), c.printed.size());
    EXPECT_TRUE(f.job.ended);
    for (std::size_t i = 0; i < c.printed.size(); ++i) {
        const auto& page = f.job.pages[i];
        const int number = c.printed[i];
        EXPECT_EQ(page.scaleX, 6);
        EXPECT_EQ(page.blocksShown, c.blocksOnPage[i]) << "page " << number;
        ASSERT_EQ(page.texts.size(), number == 1 ? 3u : 1u);
        EXPECT_EQ(
            page.texts[0],
            std::make_tuple(10, 10, QString("Программатор ВИЛ-3K   страница %1").arg(number)));
        if (number == 1) {
            EXPECT_EQ(page.texts[1], std::make_tuple(10, 200,
                                                     QString("Устр. №  7   Исполнение  12-08   "
                                                             "Вн. квит.")));
            // Line 2 runs past the state's column: the state follows it after a blank.
            EXPECT_EQ(page.texts[2], std::make_tuple(10 + 50 * 42, 200, QString(" нет")));
        }
    }
}

const std::vector<int> kAllBlocks{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

INSTANTIATE_TEST_SUITE_P(
    Blocks, PrintCommandPages,
    ::testing::Values(PagesCase{{}, 0, 0, 1, {1}, {0}},
                      PagesCase{{1, 2, 3, 4, 5, 6, 7, 8}, 0, 0, 2, {1, 2}, {0, 8}},
                      PagesCase{kAllBlocks, 0, 0, 3, {1, 2, 3}, {0, 8, 5}},
                      PagesCase{kAllBlocks, 2, 3, 3, {2, 3}, {8, 5}},
                      PagesCase{kAllBlocks, 3, 3, 3, {3}, {5}},
                      PagesCase{{1, 3, 4, 7, 8, 9, 12, 13}, 0, 0, 3, {1, 2, 3}, {0, 5, 3}},
                      PagesCase{{9}, 0, 0, 2, {1, 2}, {0, 1}},
                      PagesCase{{2, 11, 12}, 2, 2, 3, {2}, {1}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(PrintCommand, ScaleFollowsTheChosenPrinterAndTheStateItsColumn) {
    // Line 2 has 42 letters from x = 10: it ends at 850, 1984, 2026.
    const std::tuple<int, int, QString> states[] = {
        {20, 2000, "есть"}, {47, 2000, "есть"}, {48, 2026, " есть"}};
    for (const auto& [letterWidth, x, text] : states) {
        PrintFixture f;
        BuildSampleScheme(f.session, 24, 8, 0);
        f.view.ShowExternalAck(true);
        f.job.dpi = {720, 300, 96, 96};
        f.job.letterWidth = letterWidth;
        f.command.printScheme("П", f.dialog, f.job);
        ASSERT_EQ(f.job.pages.size(), 1u);
        EXPECT_EQ(f.job.pages[0].scaleX, 7);
        EXPECT_EQ(f.job.pages[0].scaleY, 3);
        EXPECT_EQ(f.job.pages[0].texts[2], std::make_tuple(x, 200, text));
    }
}

} // namespace
