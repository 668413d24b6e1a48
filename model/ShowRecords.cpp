#include "model/ConfigurationModel.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kContactBit = 0x20;
constexpr std::uint8_t kTypeMask = 0x0F;
constexpr int kLastBlockType = 5;
constexpr int kDelayUnitsByte = 3;
constexpr std::uint8_t kDelayUnitsMask = 0x3F;
constexpr int kRowBytesStart = 5; // bytes 5..8 of a block read like a channel record

} // namespace

void ConfigurationModel::ShowRecords(RecordKind kind, RecordDisplay& display) {
    if (kind == RecordKind::Channels)
        showChannelRecords(display);
    else
        showBlockRecords(display);
}

void ConfigurationModel::showChannelRecords(RecordDisplay& display) {
    const int channels = usedChannelCount();
    for (int i = 0; i < channels; ++i) {
        const ChannelRecord* record = channelOfImageIndex(i);
        if (record == nullptr)
            continue;
        const int row = SlotOfImageIndex(i);
        display.showContact(row, ((*record)[0] & kContactBit) != 0, Included[i] == 1);
        display.showRow(row, *record);
    }
}

void ConfigurationModel::showBlockRecords(RecordDisplay& display) {
    for (int j = 0; j < kFunctionBlocks; ++j)
        checkBlock(j, display);
    SelectedFb = -1;
    for (int j = 0; j < kFunctionBlocks; ++j) {
        const FbRecord& block = FunctionBlocks[j];
        ChannelRecord row{};
        std::copy_n(block.begin() + kRowBytesStart, row.size(), row.begin());
        display.showRow(kFirstBlockRow + j, row);
        if ((row[kDelayUnitsByte] & kDelayUnitsMask) != 0)
            display.showBlockTimer(j, GetFbDelayType(j));
    }
}

// A free record is cleared of any junk; a used one of unknown type is
// repaired (cleared) and reported through Repaired.
void ConfigurationModel::checkBlock(int block, RecordDisplay& display) {
    FbRecord& record = FunctionBlocks[block];
    if (record[0] == 0) {
        record.fill(0);
        return;
    }
    SelectedFb = block;
    ++UsedFbCount;
    const int type = record[0] & kTypeMask;
    if (type >= 1 && type <= kLastBlockType) {
        display.showBlock(block, record);
        return;
    }
    --UsedFbCount;
    Repaired = 1;
    record.fill(0);
}
