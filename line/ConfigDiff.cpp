#include "line/ConfigDiff.h"

#include "line/ConfigFields.h"
#include "line/LineTexts.h"
#include "model/ConfigurationModel.h"

#include <cstdio>
#include <utility>

using namespace line_text;

namespace {

class DiffLines {
public:
    // Adds "<subject>: <field> <a> → <b>" when the values differ.
    void field(const std::string& subject, const std::string& name, const std::string& a,
               const std::string& b) {
        if (a != b)
            always(subject, name, a, b);
    }
    void always(const std::string& subject, const std::string& name, const std::string& a,
                const std::string& b) {
        lines.push_back(subject + name + " " + a + kArrow + b);
    }
    std::vector<std::string> lines;
};

// Equal seconds stored differently (60 × 1 s against 6 × 10 s) are named by units.
std::string DelayWords(const RowSettings& row, const RowSettings& other) {
    if (DelayText(row) != DelayText(other))
        return DelayText(row);
    return std::to_string(row.delayUnits) + " × " + (row.tenSecondUnit ? "10" : "1") + kSeconds;
}

void DiffRow(DiffLines& d, const std::string& s, const RowSettings& a, const RowSettings& b) {
    d.field(s, kFieldSignalling, SignallingText(a.signalling), SignallingText(b.signalling));
    d.field(s, kFieldCell, std::to_string(a.cell), std::to_string(b.cell));
    d.field(s, kFieldDelay, DelayWords(a, b), DelayWords(b, a));
    d.field(s, kFieldOutputs, OutputsText(a.mr1, a.mr2), OutputsText(b.mr1, b.mr2));
    d.field(s, kFieldInterlock, YesNo(a.interlock), YesNo(b.interlock));
}

void DiffInput(DiffLines& d, const InputFields& a, const InputFields& b) {
    const std::string s = kInput + std::to_string(a.number) + ": ";
    d.field(s, kFieldIncluded, a.included ? kOn : kOff, b.included ? kOn : kOff);
    d.field(s, kFieldContact, a.normallyOpen ? kNormallyOpen : kNormallyClosed,
            b.normallyOpen ? kNormallyOpen : kNormallyClosed);
    DiffRow(d, s, a.row, b.row);
}

// A block is there when its type says so; a free record's other bytes are
// named by offset when they differ.
bool Present(const BlockFields& block) {
    return (block.typeByte & 0x0F) != 0;
}

// Units are named only where both sides store the same seconds differently.
std::string BlockDelayWords(const BlockFields& block, const BlockFields& other) {
    const RowSettings& a = block.row;
    const RowSettings& b = other.row;
    const bool sameStored = a.delayUnits == b.delayUnits && a.tenSecondUnit == b.tenSecondUnit;
    return Present(other) && !sameStored ? DelayWords(a, b) : DelayText(a);
}

// A block's fields after its type, each with its name, in the listing's order;
// a free block has none of them.
std::vector<std::pair<std::string, std::string>> BlockValues(const BlockFields& block,
                                                             const BlockFields& other) {
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t k = 0; k < block.inputs.size(); ++k)
        values.emplace_back(kFieldBlockInput + std::to_string(k + 1),
                            BlockInputText(block.inputs[k]));
    values.emplace_back(kFieldTimer, TimerText(block.pulse));
    values.emplace_back(kFieldSignalling, SignallingText(block.row.signalling));
    values.emplace_back(kFieldCell, std::to_string(block.row.cell));
    values.emplace_back(kFieldDelay, BlockDelayWords(block, other));
    values.emplace_back(kFieldOutputs, OutputsText(block.row.mr1, block.row.mr2));
    values.emplace_back(kFieldInterlock, YesNo(block.row.interlock));
    if (!Present(block))
        for (auto& value : values)
            value.second = kAbsentValue;
    return values;
}

void DiffBlock(DiffLines& d, const BlockFields& a, const BlockFields& b) {
    const std::string s = kBlock + std::to_string(a.number) + ": ";
    const std::string typeA = BlockTypeText(a.typeByte);
    const std::string typeB = BlockTypeText(b.typeByte);
    d.field(s, kFieldType, typeA, typeB);
    if (!Present(a) && !Present(b))
        return;
    // A block added, removed or of another type does another thing: all of
    // what it does is told, not only the fields that happen to differ.
    const bool whole = typeA != typeB;
    const auto valuesA = BlockValues(a, b);
    const auto valuesB = BlockValues(b, a);
    for (std::size_t k = 0; k < valuesA.size(); ++k) {
        const auto& [name, valueA] = valuesA[k];
        if (whole)
            d.always(s, name, valueA, valuesB[k].second);
        else
            d.field(s, name, valueA, valuesB[k].second);
    }
}

std::string Hex(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

void DiffBytes(DiffLines& d, const SchemeFileData& a, const SchemeFileData& b) {
    for (int i = 0; i < kDeviceByteOffset; ++i) {
        const auto k = static_cast<std::size_t>(i);
        d.field(kFieldImageByte + std::to_string(i), ":", Hex(a.image[k]), Hex(b.image[k]));
    }
    d.field(kFieldImageByte + std::to_string(kDeviceByteOffset), ":", Hex(a.deviceByte),
            Hex(b.deviceByte));
}

} // namespace

std::vector<std::string> DiffConfigurations(const SchemeFileData& before,
                                            const SchemeFileData& after) {
    DiffLines d;
    d.field("", kFieldCode, CodeText(before.execFirst, before.execSecond),
            CodeText(after.execFirst, after.execSecond));
    if (!d.lines.empty())
        return d.lines;
    const ConfigFields a = DecodeConfiguration(before);
    const ConfigFields b = DecodeConfiguration(after);
    d.field("", kFieldDeviceNumber, std::to_string(a.deviceNumber), std::to_string(b.deviceNumber));
    d.field("", kFieldExternalAck, YesNo(a.externalAck), YesNo(b.externalAck));
    for (std::size_t i = 0; i < a.inputs.size(); ++i)
        DiffInput(d, a.inputs[i], b.inputs[i]);
    for (std::size_t j = 0; j < a.blocks.size(); ++j)
        DiffBlock(d, a.blocks[j], b.blocks[j]);
    if (d.lines.empty())
        DiffBytes(d, before, after);
    return d.lines;
}
