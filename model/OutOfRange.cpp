#include "model/OutOfRange.h"

#include "model/ModelTexts.h"

#include <algorithm>
#include <map>

using namespace model_text;

namespace {

constexpr int kMaxDelayUnits = 60;
constexpr std::uint8_t kSignalMask = 0xC0;
constexpr std::uint8_t kCellMask = 0x1F;
constexpr std::uint8_t kDelayUnitsMask = 0x3F;
constexpr std::uint8_t kTenSecondsBit = 0x40;
constexpr std::uint8_t kInterlockBit = 0x80;
constexpr std::uint8_t kFromBlockBit = 0x40;
constexpr std::uint8_t kSourceNumberMask = 0x3F;
constexpr std::uint8_t kBlockTypeMask = 0x0F;
constexpr int kHysteresisType = 5;
constexpr int kBlockInputs = 4;
constexpr int kRowBytesStart = 5; // bytes 5..8 of a block are laid out as a channel record

// The bits of a module's outputs that exist.
std::uint8_t moduleBits(int count) {
    return static_cast<std::uint8_t>((1u << std::clamp(count, 0, 8)) - 1);
}

std::string joined(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

// One row's signalling, delay and outputs: a channel record or bytes 5..8 of a block.
class RowCheck {
public:
    RowCheck(const ConfigurationModel& model, std::vector<std::string>& out,
             std::map<int, std::vector<std::string>>& cells)
        : model_(model), out_(out), cells_(cells) {}

    void check(const std::string& row, const ChannelRecord& r) {
        const int cell = r[0] & kCellMask;
        if ((r[0] & kSignalMask) != 0 && cell != 0) {
            cells_[cell].push_back(row);
            if (cell > model_.InputCount)
                add(row, kTextPanelCell + std::to_string(cell),
                    kTextAbove + std::to_string(model_.InputCount));
        } else if (cell != 0) {
            add(row, kTextPanelCell + std::to_string(cell), kTextNoSignalling);
        }
        const int units = r[3] & kDelayUnitsMask;
        if (units > kMaxDelayUnits)
            add(row,
                kTextDelay + std::to_string(units) +
                    ((r[3] & kTenSecondsBit) != 0 ? kTextTenSecondsUnit : kTextSecondsUnit),
                kTextAbove + std::to_string(kMaxDelayUnits));
        checkOutputs(row, 0, r[1], model_.Mr1OutputCount);
        checkOutputs(row, 1, r[2], model_.Mr2OutputCount);
        const bool drivesOutputs = (r[1] & moduleBits(model_.Mr1OutputCount)) != 0 ||
                                   (r[2] & moduleBits(model_.Mr2OutputCount)) != 0;
        if ((r[3] & kInterlockBit) != 0 && !drivesOutputs)
            add(row, kTextInterlock, kTextNoOutputs);
    }

private:
    void checkOutputs(const std::string& row, int module, std::uint8_t mask, int count) {
        std::vector<int> extra;
        for (int bit = std::max(count, 0); bit < 8; ++bit)
            if ((mask >> bit) & 1)
                extra.push_back(bit + 1);
        if (extra.empty())
            return;
        add(row,
            (extra.size() == 1 ? kTextOutputsOne : kTextOutputsMany) + joined(extra) +
                kTextModules[module],
            kTextModuleOutputCount[module] + std::to_string(count));
    }
    void add(const std::string& row, const std::string& value, const std::string& limit) {
        out_.push_back(row + ": " + value + kTextDash + limit);
    }

    const ConfigurationModel& model_;
    std::vector<std::string>& out_;
    std::map<int, std::vector<std::string>>& cells_;
};

std::string blockInputName(int block, int input) {
    return kTextRowBlock + std::to_string(block + 1) + kTextBlockInput + std::to_string(input);
}

std::string sourceText(std::uint8_t in) {
    const int n = in & kSourceNumberMask;
    return ((in & kFromBlockBit) != 0 ? kTextBlockOutput : kTextDeviceInput) + std::to_string(n);
}

// What is wrong with one block input, or nothing.
std::string blockInputProblem(const ConfigurationModel& model, int type, int input,
                              std::uint8_t in) {
    const int n = in & kSourceNumberMask;
    if (n == 0)
        return {};
    if (type == kHysteresisType && input > 2)
        return kTextHysteresisInputs;
    if ((in & kFromBlockBit) == 0)
        return n > model.ChannelCount ? kTextOnlyInputs + std::to_string(model.ChannelCount)
                                      : std::string{};
    if (n > kFunctionBlocks)
        return kTextOnlyBlocks + std::to_string(kFunctionBlocks);
    if ((model.FunctionBlocks[n - 1][0] & kBlockTypeMask) == 0)
        return kTextRowBlock + std::to_string(n) + kTextBlockNotProgrammed;
    return {};
}

void checkInclusion(const ConfigurationModel& model, std::vector<std::string>& out) {
    std::vector<int> extra;
    for (int i = std::max(model.ChannelCount, 0); i < kChannelSlots; ++i)
        if ((model.InclusionBits[i / 8] >> (i % 8)) & 1)
            extra.push_back(i + 1);
    if (!extra.empty())
        out.push_back((extra.size() == 1 ? kTextIncludedOne : kTextIncludedMany) + joined(extra) +
                      kTextDash + kTextOnlyInputs + std::to_string(model.ChannelCount));
}

} // namespace

std::vector<std::string> ListOutOfRangeValues(const ConfigurationModel& model) {
    std::vector<std::string> out;
    std::map<int, std::vector<std::string>> cells;
    RowCheck rows(model, out, cells);
    const int channels = std::min(model.ChannelCount, kChannelSlots);
    for (int i = 0; i < channels; ++i) {
        const int slot = model.SlotOfImageIndex(i);
        if (slot >= 0 && slot < kChannelSlots)
            rows.check(kTextRowInput + std::to_string(i + 1), model.Channels[slot]);
    }
    checkInclusion(model, out);
    for (int j = 0; j < kFunctionBlocks; ++j) {
        const FbRecord& b = model.FunctionBlocks[j];
        const int type = b[0] & kBlockTypeMask;
        if (type == 0)
            continue;
        for (int k = 1; k <= kBlockInputs; ++k) {
            const std::string problem = blockInputProblem(model, type, k, b[k]);
            if (!problem.empty())
                out.push_back(blockInputName(j, k) + ": " + sourceText(b[k]) + kTextDash + problem);
        }
        ChannelRecord row{};
        std::copy_n(b.begin() + kRowBytesStart, row.size(), row.begin());
        rows.check(kTextRowBlock + std::to_string(j + 1), row);
    }
    for (const auto& [cell, owners] : cells) {
        if (owners.size() < 2)
            continue;
        std::string names;
        for (const std::string& owner : owners)
            names += (names.empty() ? "" : ", ") + owner;
        out.push_back(kTextPanelCell + std::to_string(cell) + kTextDash + kTextSharedCell + names);
    }
    return out;
}
