#include "line/SchemeDifferences.h"

#include "files/SchemeFile.h"
#include "line/ConfigDiff.h"
#include "line/LineTexts.h"

#include <algorithm>
#include <cctype>
#include <optional>

using namespace line_text;

namespace {

// The number in "<prefix>N:" at the start of a line.
std::optional<int> NumberAfter(const std::string& line, const std::string& prefix) {
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::size_t at = prefix.size();
    int number = 0;
    while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])))
        number = 10 * number + (line[at++] - '0');
    if (at == prefix.size() || at == line.size() || line[at] != ':')
        return std::nullopt;
    return number;
}

// The scheme row of a channel: additional inputs sit below the gap that fewer
// main inputs leave.
int SlotOfChannel(int first, int imageIndex) {
    if (first == 12 && imageIndex >= 12)
        return imageIndex + 12;
    if (first == 6 && imageIndex >= 6)
        return imageIndex + 18;
    return imageIndex;
}

class Places {
public:
    explicit Places(const SchemeSnapshot& screen)
        : first_(screen.first),
          channels_(ChannelCountOfCode(screen.first, screen.second).value_or(0)) {}

    SchemePlace channel(int imageIndex) const {
        if (imageIndex < 0 || imageIndex >= channels_)
            return {};
        return {SchemePlace::Kind::Row, SlotOfChannel(first_, imageIndex)};
    }
    static SchemePlace block(int index) {
        if (index < 0 || index >= kFunctionBlocks)
            return {};
        return {SchemePlace::Kind::Row, kFirstBlockRow + index};
    }
    // A line of the tool names its input or block first, or the image byte.
    SchemePlace of(const std::string& line) const {
        if (const auto input = NumberAfter(line, kInput))
            return channel(*input - 1);
        if (const auto block = NumberAfter(line, kBlock))
            return Places::block(*block - 1);
        if (const auto byte = NumberAfter(line, kFieldImageByte)) {
            const int records = 4 * channels_;
            if (*byte < records)
                return channel(*byte / 4);
            if (*byte < records + kFbRecordSize * kFunctionBlocks)
                return block((*byte - records) / kFbRecordSize);
        }
        return {};
    }

private:
    int first_;
    int channels_;
};

QString WithoutTrailingSpaces(QString name) {
    while (name.endsWith(' '))
        name.chop(1);
    return name;
}

std::string Shown(const QString& name) {
    return "«" + WithoutTrailingSpaces(name).toStdString() + "»";
}

void AddName(std::vector<DifferenceLine>& lines, const std::string& subject, const QString& a,
             const QString& b, SchemePlace place) {
    if (WithoutTrailingSpaces(a) == WithoutTrailingSpaces(b))
        return;
    lines.push_back({subject + ": " + kFieldName + " " + Shown(a) + kArrow + Shown(b), place});
}

QString NameAt(const std::vector<QString>& names, std::size_t i) {
    return i < names.size() ? names[i] : QString();
}

} // namespace

std::vector<DifferenceLine> DiffSchemes(const SchemeSnapshot& other, const SchemeSnapshot& screen,
                                        bool withNames) {
    const Places places(screen);
    std::vector<DifferenceLine> lines;
    for (std::string& text : DiffConfigurations(SchemeDataOf(other), SchemeDataOf(screen))) {
        const SchemePlace place = places.of(text);
        lines.push_back({std::move(text), place});
    }
    // Names of two codes are names of different channels.
    if (!withNames || other.first != screen.first || other.second != screen.second)
        return lines;
    const auto channels =
        static_cast<std::size_t>(ChannelCountOfCode(screen.first, screen.second).value_or(0));
    for (std::size_t i = 0; i < channels; ++i)
        AddName(lines, kInput + std::to_string(i + 1), NameAt(other.names.channels, i),
                NameAt(screen.names.channels, i), places.channel(static_cast<int>(i)));
    for (int j = 0; j < kOutputLines; ++j) {
        const auto k = static_cast<std::size_t>(j);
        AddName(
            lines, kOutput + std::string(j < 8 ? kModule1 : kModule2) + std::to_string(j % 8 + 1),
            other.names.outputs[k], screen.names.outputs[k], {SchemePlace::Kind::OutputLine, j});
    }
    return lines;
}

SchemeFileData SchemeDataOf(const SchemeSnapshot& scheme) {
    SchemeFileData data;
    data.execFirst = scheme.first;
    data.execSecond = scheme.second;
    data.image = scheme.image;
    data.deviceByte = scheme.image[kDeviceByteOffset];
    data.channelNames = scheme.names.channels;
    std::copy(scheme.names.outputs.begin(), scheme.names.outputs.end(), data.outputNames.begin());
    return data;
}
