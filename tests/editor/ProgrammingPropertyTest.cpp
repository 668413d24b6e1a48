#include "CommandFixture.h"
#include "editor/TextField.h"
#include "model/OutOfRange.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Code {
    int first, second;
};
void PrintTo(const Code& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}
const Code kCodes[] = {{6, 4},  {6, 6},  {12, 0}, {12, 4},  {12, 6},  {12, 8},  {12, 22},
                       {24, 0}, {24, 4}, {24, 8}, {24, 12}, {24, 16}, {24, 43}, {24, 62}};

// Random commands on random rows, with the operator answering at random
// (including wrong and pasted entries); after every step the view must still
// be a picture of the records.
class RandomProgramming : public ::testing::TestWithParam<Code> {
protected:
    template <class T> const T& pick(std::initializer_list<T> items) {
        return items.begin()[below(static_cast<int>(items.size()))];
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void build() {
        s.createShown(GetParam().first, GetParam().second);
        for (int b = 0; b < 13; ++b)
            if (below(3) == 0)
                s.addBlock(b);
        s.model.SetDeviceByte(below(4) == 0 ? 0x20 : 0);
        for (int slot = 0; slot < 32; ++slot)
            if (exists(slot))
                rows.push_back(slot);
        for (int b = 0; b < 13; ++b)
            if (s.model.FunctionBlocks[b][0] != 0)
                rows.push_back(32 + b);
        s.inclusionDialog.choose = [this](InclusionDialogData& d) {
            d.included = below(2) == 1;
            d.name = pick<QString>({"", "Насос", "0123456789", d.name});
        };
        s.signallingDialog.choose = [this](SignallingDialogData& d) {
            d.type = below(4);
            d.cell = pick<QString>({"0", "1", "3", "6", "7", "12", "13", "24", "31", "x", d.cell});
        };
        s.delayDialog.choose = [this](DelayDialogData& d) {
            d.timerType = below(2);
            d.unit = pick<QString>({"1", "10", "0", "5", "1"});
            d.value = pick<QString>({"0", "1", "60", "61", "30", "z"});
        };
    }
    std::uint8_t signalling(int row) const {
        return row < 32 ? s.model.Channels[row][0] : s.model.FunctionBlocks[row - 32][5];
    }
    bool exists(int slot) const {
        return slot < s.model.InputCount || (slot >= 24 && slot < 24 + s.model.ExtraInputCount);
    }

    void step() {
        const int row = rows[below(static_cast<int>(rows.size()))];
        if (row >= 32)
            s.selectBlock(row - 32);
        else
            s.selectInput(row);
        switch (below(4)) {
        case 0:
            s.inputs.editInclusion();
            break;
        case 1:
            s.signalling.editSignalling();
            break;
        case 2:
            s.delays.editDelay();
            break;
        default:
            if (row < 32)
                s.inputs.toggleContact(row);
        }
    }

    void checkCells() const {
        std::vector<int> holders(32, 0);
        for (int row = 0; row < kSchemeRows; ++row) {
            const int cell = signalling(row) & 0x1F;
            if (cell != 0) {
                EXPECT_EQ(++holders[cell], 1) << "cell " << cell << " on a second row " << row;
            }
        }
    }

    void checkRow(int row) const {
        const std::uint8_t sig = signalling(row);
        const std::uint8_t delay =
            row < 32 ? s.model.Channels[row][3] : s.model.FunctionBlocks[row - 32][8];
        const int type = sig >> 6;
        EXPECT_EQ(s.visible(Family::SignallingPanel, row), type != 0);
        if (type != 0) {
            const char* captions[] = {"", "пред.", "авар.", "инд."};
            const Rgb colours[] = {{}, {255, 255, 0}, {255, 0, 0}, {0, 255, 0}};
            EXPECT_EQ(s.caption(Family::SignallingPanel, row), captions[type]);
            EXPECT_EQ(s.view.at(Family::CellNumber, row).back, colours[type]);
            EXPECT_EQ(s.caption(Family::CellNumber, row), std::to_string(sig & 0x1F));
        }
        const int units = delay & 0x3F;
        EXPECT_EQ(s.visible(Family::DelayPanel, row), units != 0);
        if (units != 0) {
            EXPECT_EQ(s.caption(Family::DelayValue, row),
                      std::to_string(units * ((delay & 0x40) ? 10 : 1)));
        }
        if (row >= 32) {
            const int b = row - 32;
            EXPECT_EQ(s.visible(Family::BlockTimerPicture, b), units != 0);
            if (units != 0) {
                EXPECT_EQ(s.view.at(Family::BlockTimerPicture, b).picture,
                          s.model.GetFbDelayType(b) ? Picture::Pulse : Picture::OnDelay);
            }
        } else {
            const Element& toggle = s.view.at(Family::ContactToggle, row);
            EXPECT_EQ(toggle.pressed, (sig & 0x20) != 0);
            EXPECT_EQ(toggle.enabled, s.model.Included[s.model.ImageIndexOfSlot(row)] == 1);
            EXPECT_TRUE(IsValidName(s.view.at(Family::InputName, row).caption));
        }
        // No outputs are programmed here: the line ends at the delay, else the signalling.
        const bool line = units != 0 || type != 0;
        EXPECT_EQ(s.visible(Family::RowLine, row), line);
        if (line) {
            EXPECT_EQ(
                s.lineEnd(row),
                s.view.at(units != 0 ? Family::DelayPanel : Family::SignallingPanel, row).rect.x);
        }
    }

    void checkRoundTrip() {
        s.model.PackImage();
        CommandFixture copy;
        copy.createShown(GetParam().first, GetParam().second);
        copy.model.ImageBuffer = s.model.ImageBuffer;
        copy.model.UnpackImage();
        for (int row : rows)
            if (row < 32) {
                EXPECT_EQ(copy.model.Channels[row], s.model.Channels[row]) << "slot " << row;
            }
        EXPECT_EQ(copy.model.FunctionBlocks, s.model.FunctionBlocks);
        EXPECT_EQ(copy.model.InclusionBits, s.model.InclusionBits);
        EXPECT_EQ(copy.model.Included, s.model.Included);
    }

    CommandFixture s;
    std::mt19937 rng;
    std::vector<int> rows;
};

TEST_P(RandomProgramming, ViewFollowsRecordsAndImageRoundTrips) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        rng.seed(seed);
        rows.clear();
        s.messages.shown.clear();
        build();
        for (int i = 0; i < 150 && !HasFailure(); ++i) {
            step();
            checkCells();
            for (int row : rows)
                checkRow(row);
            if (HasFailure()) {
                ADD_FAILURE() << "seed " << seed << ", step " << i;
            }
        }
        checkRoundTrip();
        // What the commands write is never reported as out of range after a load.
        EXPECT_EQ(ListOutOfRangeValues(s.model), std::vector<std::string>{}) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, RandomProgramming, ::testing::ValuesIn(kCodes),
                         [](const auto& info) {
                             return "Code" + std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

} // namespace
