#include "CommandDialogFakes.h"
#include "SchemeFixture.h"
#include "support/SchemeInvariants.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Code {
    int first, second;
};
const Code kCodes[] = {{6, 4},  {6, 6},  {12, 0}, {12, 4},  {12, 6},  {12, 8},  {12, 22},
                       {24, 0}, {24, 4}, {24, 8}, {24, 12}, {24, 16}, {24, 43}, {24, 62}};

// Random operators: they create, correct and delete blocks with any entries,
// good or bad, and program outputs on any existing row.
struct RandomEditor : SchemeFixture {
    explicit RandomEditor(const Code& code, unsigned seed) : random(seed) {
        create(code.first, code.second);
        window.showExecCode(code.first, code.second);
        model.SetDeviceByte(pick(0, 1) ? 0x20 : 0);
        blocks.play = [this](FbDialogData& d) {
            d.type = pick(0, 3) == 0 ? 0 : pick(-1, 5);
            for (FbInputEntry& in : d.inputs) {
                in.kind = pick(-1, 1);
                in.source = pick(-1, 1);
                const int n = pick(0, in.source == 1 ? 15 : model.ChannelCount + 1);
                in.number = pick(0, 9) == 0 ? "x" : std::to_string(n);
            }
        };
        outputs.play = [this](OutputsDialogData& d) {
            d.mr1Mask = static_cast<std::uint8_t>(pick(0, 3) == 0 ? 0 : pick(0, 255));
            d.mr2Mask = static_cast<std::uint8_t>(pick(0, 3) == 0 ? 0 : pick(0, 255));
            d.interlock = pick(0, 1) == 1;
        };
    }
    int pick(int low, int high) { return std::uniform_int_distribution<>(low, high)(random); }
    int usedBlock() {
        std::vector<int> inUse;
        for (int b = 0; b < kFunctionBlocks; ++b)
            if (model.FunctionBlocks[b][0] != 0)
                inUse.push_back(b);
        return inUse.empty() ? -1 : inUse[pick(0, static_cast<int>(inUse.size()) - 1)];
    }
    void step() {
        model.SelectedInput = model.SelectedFb = -1;
        if (pick(0, 2) == 0) {
            // A channel slot of the layout, or a block in use.
            const int slot = pick(0, model.InputCount + model.ExtraInputCount - 1);
            const int block = usedBlock();
            if (block >= 0 && pick(0, 1))
                model.SelectedFb = block;
            else
                model.SelectedInput = slot < model.InputCount ? slot : 24 + slot - model.InputCount;
            OutputsCommand(session, outputs).editOutputs();
        } else {
            model.SelectedFb = pick(0, 1) ? usedBlock() : -1;
            FunctionBlockCommand(session, blocks).editFunctionBlock();
        }
    }

    std::mt19937 random;
    FakeFbDialog blocks;
    FakeOutputsDialog outputs;
};

class BlockCommands : public ::testing::TestWithParam<Code> {};

TEST_P(BlockCommands, RecordsAndWiringAgreeAfterEveryStep) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        RandomEditor e(GetParam(), seed);
        for (int i = 0; i < 80; ++i) {
            e.step();
            std::vector<std::string> faults = BlockRecordFaults(e.model);
            for (const auto& list : {BlockWiringFaults(e.view), OutputWiringFaults(e.view)})
                faults.insert(faults.end(), list.begin(), list.end());
            ASSERT_TRUE(faults.empty()) << "seed " << seed << " step " << i << ": " << faults[0];
        }
        if (e.model.OutputCode != 0) {
            EXPECT_GT(e.blocks.shown.size(), 20u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, BlockCommands, ::testing::ValuesIn(kCodes),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

} // namespace
