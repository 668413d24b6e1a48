#include "line/ConfigListing.h"

#include "line/ConfigFields.h"
#include "line/FilePaths.h"
#include "line/LineTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace line_text;

namespace {

std::string NameOf(const std::vector<QString>& names, std::size_t i) {
    return i < names.size() ? names[i].toStdString() : std::string();
}

// A name as a terminal may show it: a name is any ten bytes of a file.
std::string ShownName(const std::string& name) {
    return "«" + Shown(name) + "»";
}

std::string RowText(const RowSettings& row) {
    std::string text = std::string(kFieldSignalling) + " " + SignallingText(row.signalling);
    if (row.signalling != 0 || row.cell != 0)
        text += std::string(", ") + kFieldCell + " " + std::to_string(row.cell);
    return text + ", " + kFieldDelay + " " + DelayText(row) + ", " + kFieldOutputs + " " +
           OutputsText(row.mr1, row.mr2) + ", " + kFieldInterlock + " " + YesNo(row.interlock);
}

std::string InputLine(const InputFields& input, const std::string& name) {
    return "  " + std::string(kInput) + std::to_string(input.number) + " " + ShownName(name) +
           ": " + kFieldIncluded + " " + (input.included ? kOn : kOff) + ", " + kFieldContact +
           " " + (input.normallyOpen ? kNormallyOpen : kNormallyClosed) + ", " + RowText(input.row);
}

std::string BlockLine(const BlockFields& block) {
    std::string text = "  " + std::string(kBlock) + std::to_string(block.number) + ": " +
                       kFieldType + " " + BlockTypeText(block.typeByte) + "; " + kHeadBlockInputs;
    for (std::size_t k = 0; k < block.inputs.size(); ++k)
        text += " " + std::to_string(k + 1) + ") " + BlockInputText(block.inputs[k]) + ";";
    return text + " " + kFieldTimer + " " + TimerText(block.pulse) + ", " + RowText(block.row);
}

QJsonArray OutputNumbers(std::uint8_t mask) {
    QJsonArray outputs;
    for (int i = 0; i < 8; ++i)
        if (mask & (1 << i))
            outputs.append(i + 1);
    return outputs;
}

void AddRow(QJsonObject& o, const RowSettings& row) {
    o["signalling"] = row.signalling;
    o["cell"] = row.cell;
    o["delayUnits"] = row.delayUnits;
    o["delayUnitSeconds"] = row.tenSecondUnit ? 10 : 1;
    o["delaySeconds"] = row.delayUnits * (row.tenSecondUnit ? 10 : 1);
    o["mr1"] = OutputNumbers(row.mr1);
    o["mr2"] = OutputNumbers(row.mr2);
    o["interlock"] = row.interlock;
}

QJsonObject InputJson(const InputFields& input, const std::string& name) {
    QJsonObject o{{"number", input.number},
                  {"name", QString::fromStdString(name)},
                  {"included", input.included},
                  {"normallyOpen", input.normallyOpen}};
    AddRow(o, input.row);
    return o;
}

QJsonObject BlockJson(const BlockFields& block) {
    QJsonArray inputs;
    for (const BlockInput& in : block.inputs)
        inputs.append(QJsonObject{{"source", in.fromBlock ? "block" : "input"},
                                  {"number", in.number},
                                  {"direct", in.direct}});
    QJsonObject o{{"number", block.number},
                  {"type", block.typeByte},
                  {"inputs", inputs},
                  {"timer", block.pulse ? "pulse" : "onDelay"}};
    AddRow(o, block.row);
    return o;
}

} // namespace

std::string ListingText(const SchemeFileData& data) {
    const ConfigFields config = DecodeConfiguration(data);
    std::string text = std::string(kFieldCode) + ": " + CodeText(config.first, config.second) +
                       "\n" + kFieldDeviceNumber + ": " + std::to_string(config.deviceNumber) +
                       "\n" + kFieldExternalAck + ": " + YesNo(config.externalAck);
    if (config.externalAck && !config.inputs.empty())
        text += " (" + std::string(kInput) + std::to_string(config.inputs.back().number) + ")";
    text += std::string("\n") + kHeadInputs + "\n";
    for (const InputFields& input : config.inputs)
        text += InputLine(input, NameOf(data.channelNames, input.number - 1)) + "\n";
    text += std::string(kHeadBlocks) + "\n";
    bool anyBlock = false;
    for (const BlockFields& block : config.blocks) {
        if (block.used())
            text += BlockLine(block) + "\n";
        anyBlock = anyBlock || block.used();
    }
    if (!anyBlock)
        text += std::string(kNoBlocks) + "\n";
    text += std::string(kHeadOutputNames) + "\n";
    for (std::size_t j = 0; j < data.outputNames.size(); ++j)
        text += "  " + std::string(kOutput) + (j < 8 ? kModule1 : kModule2) +
                std::to_string(j % 8 + 1) + " " + ShownName(data.outputNames[j].toStdString()) +
                "\n";
    return text;
}

QByteArray ListingJson(const SchemeFileData& data) {
    const ConfigFields config = DecodeConfiguration(data);
    QJsonArray inputs;
    for (const InputFields& input : config.inputs)
        inputs.append(InputJson(input, NameOf(data.channelNames, input.number - 1)));
    QJsonArray blocks;
    for (const BlockFields& block : config.blocks)
        blocks.append(BlockJson(block));
    QJsonArray outputNames;
    for (const QString& name : data.outputNames)
        outputNames.append(name);
    const QJsonObject root{{"code", QString::fromStdString(CodeText(config.first, config.second))},
                           {"first", config.first},
                           {"second", config.second},
                           {"deviceNumber", config.deviceNumber},
                           {"externalAck", config.externalAck},
                           {"inputs", inputs},
                           {"blocks", blocks},
                           {"outputNames", outputNames}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
