#include "CommandDialogFakes.h"
#include "SchemeFixture.h"

#include <gtest/gtest.h>

namespace {

struct In {
    int kind, source;
    const char* number;
};

// A scheme and the command with a dialog that answers with a type and inputs.
struct BlockFixture : SchemeFixture {
    BlockFixture(int first = 12, int second = 4, bool ackOn = false) {
        create(first, second);
        window.showExecCode(first, second);
        model.SetDeviceByte(ackOn ? 0x20 : 0);
    }
    // Runs the command on `selected` (-1: none) answering `type` and `inputs`.
    void run(int selected, int type, std::array<In, 4> inputs = {}) {
        model.SelectedFb = selected;
        dialog.play = [type, inputs](FbDialogData& d) {
            d.type = type;
            for (int k = 0; k < 4; ++k)
                if (inputs[k].number)
                    d.inputs[k] = {inputs[k].kind, inputs[k].source, inputs[k].number, true};
        };
        messages.shown.clear();
        window.log.clear();
        FunctionBlockCommand(session, dialog).editFunctionBlock();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const MessageBox& box : messages.shown)
            t.push_back(box.text);
        return t;
    }
    std::uint8_t input(int block, int k) const { return model.FunctionBlocks[block][1 + k]; }
    FakeFbDialog dialog;
};

TEST(FunctionBlocks, FirstUseCreatesBlock1InView) {
    BlockFixture f;
    f.model.SelectedInput = 3;
    f.view.at(Family::InputNumber, 3).back = colours::aqua;
    f.run(-1, 2, {In{1, 0, "5"}, In{0, 0, "16"}, In{0, 1, "0"}, In{1, 0, ""}});
    ASSERT_EQ(f.dialog.shown.size(), 1u);
    EXPECT_EQ(f.dialog.shown[0].blockNumber, "1");
    EXPECT_TRUE(f.dialog.shown[0].creating);
    EXPECT_EQ(f.dialog.shown[0].type, 0);
    EXPECT_EQ(f.dialog.shown[0].inputs[2].number, "0");
    const FbRecord expected{2, 0x85, 0x10, 0x40, 0x80, 0, 0, 0, 0};
    EXPECT_EQ(f.model.FunctionBlocks[0], expected);
    EXPECT_TRUE(f.texts().empty());
    EXPECT_EQ(f.model.UsedFbCount, 1);
    EXPECT_EQ(f.model.SelectedFb, 0);
    EXPECT_EQ(f.model.SelectedInput, -1);
    EXPECT_EQ(f.model.Modified, 1);
    EXPECT_EQ(f.view.at(Family::InputNumber, 3).back, colours::buttonFace);
    EXPECT_EQ(f.view.at(Family::BlockNumber, 0).back, colours::aqua);
    EXPECT_TRUE(f.view.group(BlockGroup).visible);
    EXPECT_TRUE(f.view.shown(Family::BlockOutputInversion, 0)); // NAND
    // Input 3 names block 0 with number 0: its selector bits are kept, no marks drawn.
    EXPECT_FALSE(f.visible(Family::BlockInputNumber, 2));
    EXPECT_EQ(f.view.at(Family::BlockInputNumber, 2).caption, "0");
    EXPECT_EQ(f.view.at(Family::BlockInputKind, 2).caption, "");
    EXPECT_EQ(f.view.at(Family::BlockInputKind, 0).caption, "усо");
    EXPECT_TRUE(f.visible(Family::BlockInputInversion, 1));
    EXPECT_FALSE(f.visible(Family::BlockInputInversion, 0));
    const int top = f.view.group(BlockGroup).top + f.view.at(Family::BlockBody, 0).rect.y - 2;
    EXPECT_EQ(f.window.log, (std::vector<std::string>{"sync", "scroll " + std::to_string(top)}));
}

TEST(FunctionBlocks, FirstFreeRecordIsTakenAndCountIsChecked) {
    BlockFixture f;
    for (int b : {0, 1, 3}) {
        f.model.FunctionBlocks[b][0] = 1;
        ++f.model.UsedFbCount;
    }
    f.run(-1, 3);
    EXPECT_EQ(f.dialog.shown.back().blockNumber, "3");
    EXPECT_EQ(f.model.FunctionBlocks[2][0], 3);
    EXPECT_EQ(f.model.UsedFbCount, 4);

    for (auto& record : f.model.FunctionBlocks)
        record[0] = 1;
    f.model.UsedFbCount = 13;
    const auto before = f.model.FunctionBlocks;
    f.run(-1, 3);
    EXPECT_EQ(f.texts(), std::vector<std::string>{"Не задан № ФБ"});
    EXPECT_EQ(f.dialog.shown.size(), 1u);
    EXPECT_EQ(f.model.FunctionBlocks, before);

    f.run(12, 4); // a selected block is corrected even with all in use
    EXPECT_FALSE(f.dialog.shown.back().creating);
    EXPECT_EQ(f.model.FunctionBlocks[12][0], 4);
}

TEST(FunctionBlocks, NoOutputsNoBlocks) {
    for (int first : {12, 24}) {
        BlockFixture f(first, 0);
        f.run(-1, 1);
        EXPECT_EQ(f.texts(), std::vector<std::string>{"Недоступная функция"});
        EXPECT_TRUE(f.dialog.shown.empty());
        EXPECT_EQ(f.model.Modified, 1);
        EXPECT_EQ(f.model.UsedFbCount, 0);
    }
}

// 12-04 has 16 channels; with external acknowledge the 16th is the acknowledge input.
TEST(FunctionBlocks, ChannelLimitOnEveryInput) {
    for (bool ackOn : {false, true}) {
        BlockFixture f(12, 4, ackOn);
        f.run(-1, 1, {In{1, 0, "16"}, In{1, 0, "16"}, In{1, 0, "16"}, In{1, 0, "16"}});
        EXPECT_EQ(f.texts().size(), ackOn ? 4u : 0u);
        EXPECT_EQ(f.messages.beeps, ackOn ? 4 : 0);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(f.input(0, k), ackOn ? 0x80 : 0x90) << k;
        f.run(0, 1, {In{1, 0, "15"}, In{1, 0, "15"}, In{1, 0, "15"}, In{1, 0, "15"}});
        EXPECT_TRUE(f.texts().empty());
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(f.input(0, k), 0x8F) << k;
    }
}

TEST(FunctionBlocks, BlockSourcesNameBlocksInUse) {
    BlockFixture f;
    f.run(-1, 1);
    f.run(-1, 3, {In{0, 1, "1"}, In{1, 1, "2"}, In{1, 1, "14"}, In{0, 1, "x"}});
    EXPECT_EQ(f.texts(),
              (std::vector<std::string>{" Ошибка ввода ", " ФБ с указ. № не запрограммирован",
                                        " Ошибка ввода ", " Ошибка ввода "}));
    EXPECT_EQ(f.messages.shown[1].caption, "Предупреждение");
    EXPECT_EQ(f.input(1, 0), 0x41);
    EXPECT_EQ(f.input(1, 1), 0xC0); // the block being created is still free
    EXPECT_EQ(f.input(1, 2), 0xC0); // only 13 records exist
    EXPECT_EQ(f.input(1, 3), 0x40);
    f.run(1, 3, {In{1, 1, "2"}, In{1, 1, "2"}, In{1, 1, "2"}, In{1, 1, "2"}});
    EXPECT_TRUE(f.texts().empty()); // a block in correction may take its own output
    EXPECT_EQ(f.input(1, 3), 0xC2);
}

TEST(FunctionBlocks, HysteresisUsesTwoInputs) {
    BlockFixture f;
    f.run(-1, 5, {In{1, 0, "1"}, In{0, 0, "2"}, In{1, 1, "9"}, In{0, 1, "77"}});
    EXPECT_TRUE(f.texts().empty());
    EXPECT_EQ(f.input(0, 2), 0xC0);
    EXPECT_EQ(f.input(0, 3), 0x40);
    EXPECT_FALSE(f.visible(Family::BlockInputNumber, 2));
    f.run(0, 5);
    EXPECT_FALSE(f.dialog.shown.back().inputs[2].enabled);
    EXPECT_EQ(f.dialog.shown.back().inputs[3].number, "0");
    EXPECT_TRUE(f.dialog.shown.back().inputs[1].enabled);
}

TEST(FunctionBlocks, DeletingUnhooksEveryBlockThatTookItsOutput) {
    BlockFixture f;
    f.run(-1, 1);
    f.run(-1, 2);
    f.run(-1, 3, {In{1, 1, "2"}});
    f.run(0, 1, {In{1, 1, "2"}, In{0, 1, "3"}});
    f.model.FunctionBlocks[1][8] = 5; // a delay on block 2, with its timer picture
    f.view.showBlockTimer(1, 1);
    f.run(1, 0);
    EXPECT_EQ(f.model.FunctionBlocks[1], FbRecord{});
    EXPECT_EQ(f.input(0, 0), 0x40);
    EXPECT_EQ(f.input(0, 1), 0x43);
    EXPECT_EQ(f.input(2, 0), 0x40);
    EXPECT_EQ(f.view.at(Family::BlockInputNumber, 0).caption, "00");
    EXPECT_FALSE(f.visible(Family::BlockInputLine, 8));
    EXPECT_FALSE(f.view.shown(Family::BlockTimerPicture, 1));
    EXPECT_FALSE(f.view.shown(Family::BlockBody, 1));
    EXPECT_EQ(f.model.UsedFbCount, 2);
    EXPECT_EQ(f.model.SelectedFb, -1);
    EXPECT_EQ(f.view.at(Family::BlockNumber, 1).back, colours::buttonFace);
    EXPECT_EQ(f.window.log, std::vector<std::string>{"sync"}); // the view stays where it was
    f.run(-1, 4);
    EXPECT_EQ(f.dialog.shown.back().blockNumber, "2");
    EXPECT_EQ(f.input(0, 0), 0x40); // the new block 2 feeds nobody unasked
}

TEST(FunctionBlocks, CreatedAndDeletedInOneGoLeavesNoTrace) {
    BlockFixture f;
    f.run(-1, 1);
    const auto records = f.model.FunctionBlocks;
    f.run(-1, 0);
    EXPECT_EQ(f.dialog.shown.back().blockNumber, "2");
    EXPECT_EQ(f.model.FunctionBlocks, records);
    EXPECT_EQ(f.model.UsedFbCount, 1);
    EXPECT_EQ(f.model.SelectedFb, -1);
}

} // namespace
