#include "model/ConfigurationModel.h"

namespace {

constexpr int kIdentificationFunction = 0x11;
constexpr int kOtherFormCount = 8;

bool isNoCode(int first, int second) {
    return first == 0 && second == 0;
}

// The variants 22, 43 and 62 are laid out like 4, 8 and 8.
int normalisedSecond(int second) {
    if (second == 43 || second == 62)
        return 8;
    if (second == 22)
        return 4;
    return second;
}

int mr1OutputsOf(int first, int a) {
    if (a == 4 || (first == 24 && (a == 8 || a == 12)))
        return 4;
    if (a == 6)
        return 6;
    if ((first == 12 && a == 8) || (first == 24 && a == 16))
        return 8;
    return 0;
}

int mr2OutputsOf(int first, int second, int a) {
    if (first != 24)
        return 0;
    if (second == 43)
        return 3;
    if (a == 8)
        return 4;
    if (a == 12 || a == 16)
        return 8;
    return 0;
}

// Relay points not wired as outputs are additional inputs, except for the
// variants, which fix their own count.
int extraInputsOf(int first, int second, int a) {
    if (first == 24 && (second == 43 || second == 62))
        return 4;
    if (first == 12 && second == 22)
        return 0;
    if (first == 24 && a == 4)
        return 4;
    if (a == 0)
        return 0;
    return (first == 24 ? 16 : 8) - a;
}

} // namespace

ConfigurationModel::ConfigurationModel(Messages& messages) : messages_(messages) {}

bool ConfigurationModel::IsValidExecCode(int first, int second) {
    switch (first) {
    case 6:
        return second == 4 || second == 6;
    case 12:
        return second == 0 || second == 4 || second == 6 || second == 8 || second == 22;
    case 24:
        return second == 0 || second == 4 || second == 8 || second == 12 || second == 16 ||
               second == 43 || second == 62;
    default:
        return false;
    }
}

void ConfigurationModel::ComputeLayout() {
    const int first = ExecFirst;
    const int second = ExecSecond;
    if (isNoCode(first, second)) {
        // A device without a code: no channels, no outputs.
        ChannelCount = ExtraInputCount = Mr1OutputCount = Mr2OutputCount = 0;
        InputCount = OutputCode = 0;
        return;
    }
    if (!IsValidExecCode(first, second)) {
        // Keep the channel dimensions of the last good code (they fit the image
        // and the 32 slots); an unknown arrangement drives no outputs.
        Mr1OutputCount = Mr2OutputCount = 0;
        OutputCode = 0;
        return;
    }
    const int a = normalisedSecond(second);
    Mr1OutputCount = mr1OutputsOf(first, a);
    Mr2OutputCount = mr2OutputsOf(first, second, a);
    ExtraInputCount = extraInputsOf(first, second, a);
    InputCount = first;
    OutputCode = a;
    // For each of the fourteen codes the channel records are exactly the main
    // inputs followed by the additional ones.
    ChannelCount = InputCount + ExtraInputCount;
}

void ConfigurationModel::ApplyIdentification(int functionCode, const std::uint8_t* reply,
                                             int length) {
    if (functionCode != kIdentificationFunction)
        return;
    if (reply == nullptr || length <= kIdentStatusByte) {
        // Too short to carry a status: not an answer this program understands.
        DeviceStatus = kOtherDeviceStatus;
        return;
    }
    DeviceStatus = reply[kIdentStatusByte];
    const int count = reply[kIdentCountByte];
    if (count == kOtherFormCount)
        DeviceStatus = kOtherDeviceStatus;
    if (count != kIdentCodeCount || reply[kIdentStatusByte] != 0)
        return;
    const int first = reply[kIdentFirstPartByte];
    const int second = reply[kIdentSecondPartByte];
    // An unknown code never reaches the layout; the caller reports it.
    if (!IsValidExecCode(first, second) && !isNoCode(first, second))
        return;
    ChannelCount = Mr1OutputCount = Mr2OutputCount = ExtraInputCount = 0;
    ExecFirst = first;
    ExecSecond = second;
    ComputeLayout();
}

int ConfigurationModel::SlotOfImageIndex(int imageIndex) const {
    if (InputCount == 12 && imageIndex >= 12)
        return imageIndex + 12;
    if (InputCount == 6 && imageIndex >= 6)
        return imageIndex + 18;
    return imageIndex;
}

int ConfigurationModel::ImageIndexOfSlot(int slot) const {
    constexpr int kFirstExtraSlot = 24;
    if (InputCount == 12 && slot >= kFirstExtraSlot)
        return slot - 12;
    if (InputCount == 6 && slot >= kFirstExtraSlot)
        return slot - 18;
    return slot;
}
