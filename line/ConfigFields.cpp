#include "line/ConfigFields.h"

#include "line/LineTexts.h"
#include "model/ConfigurationModel.h"

#include <cstdio>
#include <iterator>

using namespace line_text;

namespace {

RowSettings DecodeRow(const std::uint8_t* r, int signallingByte) {
    RowSettings row;
    row.signalling = signallingByte >> 6;
    row.cell = signallingByte & 0x1F;
    row.mr1 = r[1];
    row.mr2 = r[2];
    row.interlock = (r[3] & 0x80) != 0;
    row.tenSecondUnit = (r[3] & 0x40) != 0;
    row.delayUnits = r[3] & 0x3F;
    return row;
}

BlockFields DecodeBlock(const std::uint8_t* b, int number) {
    BlockFields block;
    block.number = number;
    block.typeByte = b[0];
    for (int k = 0; k < 4; ++k) {
        const std::uint8_t in = b[1 + k];
        block.inputs[static_cast<std::size_t>(k)] = {(in & 0x80) != 0, (in & 0x40) != 0, in & 0x3F};
    }
    block.pulse = (b[5] & 0x20) != 0;
    // Bytes 5..8 are a channel record whose contact bit is the timer type.
    block.row = DecodeRow(b + 5, b[5]);
    return block;
}

void AppendOutputs(std::string& text, std::uint8_t mask, const char* module) {
    for (int i = 0; i < 8; ++i) {
        if ((mask & (1 << i)) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += module + std::to_string(i + 1);
    }
}

} // namespace

ConfigFields DecodeConfiguration(const SchemeFileData& data) {
    ConfigFields config;
    config.first = data.execFirst;
    config.second = data.execSecond;
    config.deviceNumber = (data.deviceByte & kDeviceNumberBits) + 1;
    config.externalAck = (data.deviceByte & kExternalAckBit) != 0;
    const int channels = ChannelCountOfCode(data.execFirst, data.execSecond).value_or(0);
    const std::uint8_t* image = data.image.data();
    for (int i = 0; i < channels; ++i) {
        const std::uint8_t* r = image + 4 * i;
        InputFields input;
        input.number = i + 1;
        input.included = (image[kInclusionOffset + i / 8] & (1 << (i % 8))) != 0;
        input.normallyOpen = (r[0] & 0x20) != 0;
        input.row = DecodeRow(r, r[0]);
        config.inputs.push_back(input);
    }
    for (int j = 0; j < kFunctionBlocks; ++j)
        config.blocks[static_cast<std::size_t>(j)] =
            DecodeBlock(image + 4 * channels + kFbRecordSize * j, j + 1);
    return config;
}

std::string CodeText(int first, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", first, second);
    return text;
}

std::string SignallingText(int signalling) {
    static constexpr const char* kWords[] = {kSignalNone, kSignalWarning, kSignalAlarm,
                                             kSignalIndication};
    return kWords[signalling & 3];
}

std::string DelayText(const RowSettings& row) {
    return std::to_string(row.delayUnits * (row.tenSecondUnit ? 10 : 1)) + kSeconds;
}

std::string OutputsText(std::uint8_t mr1, std::uint8_t mr2) {
    std::string text;
    AppendOutputs(text, mr1, kModule1);
    AppendOutputs(text, mr2, kModule2);
    return text.empty() ? kNo : text;
}

std::string BlockTypeText(int typeByte) {
    const int type = typeByte & 0x0F;
    if (type < static_cast<int>(std::size(kTypeNames)))
        return kTypeNames[type];
    return kTypeUnknown + std::to_string(typeByte);
}

std::string BlockInputText(const BlockInput& input) {
    if (input.number == 0)
        return kNotConnected;
    return std::string(input.fromBlock ? kSourceBlock : kSourceInput) +
           std::to_string(input.number) + ", " + (input.direct ? kDirect : kInverted);
}

std::string TimerText(bool pulse) {
    return pulse ? kTimerPulse : kTimerOnDelay;
}

std::string YesNo(bool value) {
    return value ? kYes : kNo;
}
