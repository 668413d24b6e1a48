#include "model/ConfigurationModel.h"

#include <algorithm>

namespace {

constexpr int kChannelRecordSize = 4;
constexpr int kFrameHeader = 3; // address, function code, byte count
constexpr std::uint8_t kContactBit = 0x20;
constexpr std::uint8_t kSignalMask = 0xC0;
constexpr int kDelayTypeByte = 5;
constexpr std::uint8_t kDelayTypeBit = 0x20;

} // namespace

int ConfigurationModel::usedChannelCount() const {
    return std::clamp(ChannelCount, 0, kChannelSlots);
}

ChannelRecord* ConfigurationModel::channelOfImageIndex(int imageIndex) {
    const int slot = SlotOfImageIndex(imageIndex);
    if (imageIndex < 0 || slot < 0 || slot >= kChannelSlots)
        return nullptr;
    return &Channels[slot];
}

void ConfigurationModel::PackImage() {
    ImageBuffer.fill(0);
    const int channels = usedChannelCount();
    for (int i = 0; i < channels; ++i) {
        if (const ChannelRecord* record = channelOfImageIndex(i))
            std::copy(record->begin(), record->end(), ImageBuffer.begin() + kChannelRecordSize * i);
    }
    const int blockBase = kChannelRecordSize * channels;
    for (int j = 0; j < kFunctionBlocks; ++j) {
        const FbRecord& block = FunctionBlocks[j];
        std::copy(block.begin(), block.end(), ImageBuffer.begin() + blockBase + kFbRecordSize * j);
    }
    std::copy(InclusionBits.begin(), InclusionBits.end(), ImageBuffer.begin() + kInclusionOffset);
    ImageBuffer[kDeviceByteOffset] = DeviceByte;
}

void ConfigurationModel::UnpackImage() {
    const int channels = std::clamp(InputCount + ExtraInputCount, 0, kChannelSlots);
    for (int i = 0; i < channels; ++i) {
        if (ChannelRecord* record = channelOfImageIndex(i))
            std::copy_n(ImageBuffer.begin() + kChannelRecordSize * i, kChannelRecordSize,
                        record->begin());
    }
    const int blockBase = kChannelRecordSize * usedChannelCount();
    for (int j = 0; j < kFunctionBlocks; ++j)
        std::copy_n(ImageBuffer.begin() + blockBase + kFbRecordSize * j, kFbRecordSize,
                    FunctionBlocks[j].begin());
    std::copy_n(ImageBuffer.begin() + kInclusionOffset, kInclusionBytes, InclusionBits.begin());
    for (int i = 0; i < kChannelSlots; ++i)
        Included[i] = (InclusionBits[i / 8] >> (i % 8)) & 1;
}

void ConfigurationModel::TakeImage(const std::uint8_t* frame, int length) {
    ImageBuffer.fill(0);
    if (frame == nullptr || length <= kFrameHeader)
        return;
    std::copy_n(frame + kFrameHeader, std::min(kImageSize, length - kFrameHeader),
                ImageBuffer.begin());
}

std::uint8_t ConfigurationModel::GetDeviceByte() const {
    return ImageBuffer[kDeviceByteOffset];
}

void ConfigurationModel::SetDeviceByte(std::uint8_t value) {
    ImageBuffer[kDeviceByteOffset] = value;
    DeviceByte = value;
}

void ConfigurationModel::PackInclusion() {
    InclusionBits.fill(0);
    for (int i = 0; i < kChannelSlots; ++i) {
        if (Included[i] == 1)
            InclusionBits[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    }
}

void ConfigurationModel::SetContactBit(int slot, std::uint8_t value) {
    if (slot < 0 || slot >= kChannelSlots)
        return;
    std::uint8_t& head = Channels[slot][0];
    head = static_cast<std::uint8_t>((head & ~kContactBit) | (value & kContactBit));
}

std::uint8_t ConfigurationModel::GetSignalBits(int slot) const {
    if (slot < 0 || slot >= kChannelSlots)
        return 0;
    return Channels[slot][0] & kSignalMask;
}

int ConfigurationModel::GetFbDelayType(int block) const {
    if (block < 0 || block >= kFunctionBlocks)
        return 0;
    return (FunctionBlocks[block][kDelayTypeByte] & kDelayTypeBit) != 0 ? 1 : 0;
}

void ConfigurationModel::SetFbDelayType(int block, int value) {
    if (block < 0 || block >= kFunctionBlocks)
        return;
    std::uint8_t& byte = FunctionBlocks[block][kDelayTypeByte];
    byte =
        static_cast<std::uint8_t>((byte & ~kDelayTypeBit) | ((value & 1) != 0 ? kDelayTypeBit : 0));
}
