#include "link/FrameText.h"

#include "link/Frames.h"
#include "link/LinkTexts.h"

#include <algorithm>
#include <cstdio>

using namespace link_text;

namespace {

constexpr int kBytesPerLine = 16;
// Widths of the padded text columns, in characters.
constexpr int kMeaningWidth = 22;
constexpr int kLengthWidth = 3;
constexpr int kAttemptWidth = 10;
constexpr int kResultWidth = 30;

std::string Hex2(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value) & 0xFFu);
    return text;
}

// Characters, not bytes: the texts are UTF-8.
int Width(const std::string& text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string PadRight(std::string text, int width) {
    text.append(static_cast<std::size_t>(std::max(0, width - Width(text))), ' ');
    return text;
}

std::string PadLeft(const std::string& text, int width) {
    return std::string(static_cast<std::size_t>(std::max(0, width - Width(text))), ' ') + text;
}

std::string TimeText(const WallTime& t) {
    char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", t.hour, t.minute, t.second,
                  t.millisecond);
    return text;
}

// An exception answer: from the device asked, the request's function with the
// exception bit, and the code it carries as the attempt's result. Anything
// shaped like one from elsewhere is a foreign answer.
bool IsExceptionAnswer(const LinkFrame& frame) {
    return frame.direction == FrameDirection::Received && frame.bytes.size() >= 3 &&
           frame.bytes[0] == frame.address && frame.bytes[1] == (frame.function | kExceptionBit) &&
           frame.result == frame.bytes[2];
}

std::string ResultText(const LinkFrame& frame) {
    if (frame.direction == FrameDirection::Dropped)
        return kLogDropped;
    if (IsExceptionAnswer(frame))
        return kLogException + Hex2(frame.result) + (frame.result == kResultBusy ? kLogBusy : "");
    switch (frame.result) {
    case kNoFrameResult:
        return {};
    case kResultOk:
        return frame.direction == FrameDirection::Sent ? kLogNoAnswerExpected : kLogOk;
    case kResultSilent:
        return kLogSilent;
    case kResultPartial:
        return kLogPartial;
    case kResultBadCrc:
        return kLogBadCrc;
    case kResultForeignAnswer:
        return kLogForeign;
    case kResultLineFailed:
        return kLogLineFailed;
    case kResultLineNoise:
        return kLogNoise;
    case kResultAbandoned:
        return kLogAbandoned;
    default:
        return kLogException + Hex2(frame.result);
    }
}

std::vector<std::string> HexLines(const LinkFrame& frame) {
    std::vector<std::string> lines;
    const int kept = static_cast<int>(frame.bytes.size());
    for (int i = 0; i < kept; ++i) {
        if (i % kBytesPerLine == 0)
            lines.emplace_back();
        else
            lines.back() += ' ';
        lines.back() += Hex2(frame.bytes[static_cast<std::size_t>(i)]);
    }
    if (frame.length > kept && !lines.empty())
        lines.back() += kLogMore;
    return lines;
}

} // namespace

std::string FunctionMeaning(std::uint8_t function, std::uint8_t address) {
    const char* meaning = "";
    switch (function & ~kExceptionBit) {
    case kFnReadClock:
        meaning = kLogReadClock;
        break;
    case kFnConfirm:
        meaning = kLogConfirm;
        break;
    case kFnIdentify:
        meaning = kLogIdentify;
        break;
    case kFnSetExecCode:
        meaning = kLogSetExecCode;
        break;
    case kFnReadImage:
        meaning = kLogReadImage;
        break;
    case kFnWriteImage:
        meaning = kLogWriteImage;
        break;
    case kFnSetClock:
        meaning = kLogSetClock;
        break;
    default:
        return {};
    }
    return std::string(meaning) + (address == 0 ? kLogToAll : "");
}

FrameTrouble TroubleOf(const LinkFrame& frame) {
    if (frame.direction == FrameDirection::Dropped)
        return FrameTrouble::Dropped;
    if (frame.direction == FrameDirection::PortLost)
        return FrameTrouble::Failure;
    if (frame.direction == FrameDirection::Noise)
        return FrameTrouble::BadCrc;
    if (IsExceptionAnswer(frame))
        return FrameTrouble::Failure;
    switch (frame.result) {
    case kNoFrameResult:
    case kResultOk:
    case kResultAbandoned:
        return FrameTrouble::None;
    case kResultSilent:
    case kResultPartial:
        return FrameTrouble::Timeout;
    case kResultBadCrc:
    case kResultLineNoise:
        return FrameTrouble::BadCrc;
    default:
        return FrameTrouble::Failure;
    }
}

namespace {

// A lost port or noise is no frame: when and what, and nothing of the line's
// columns.
FrameColumns EventColumns(const LinkFrame& frame, const char* mark, const char* meaning) {
    FrameColumns columns;
    columns.time = TimeText(frame.time);
    columns.direction = mark;
    // Blank, but as wide as a byte, so the lines of a saved log stay in columns.
    columns.address = "  ";
    columns.function = "  ";
    columns.meaning = meaning;
    columns.result = frame.note;
    return columns;
}

} // namespace

FrameColumns ColumnsOf(const LinkFrame& frame) {
    if (frame.direction == FrameDirection::PortLost)
        return EventColumns(frame, kLogPortLostMark, kLogPortLost);
    if (frame.direction == FrameDirection::Noise)
        return EventColumns(frame, kLogNoiseMark, kLogNoise);
    // An answer is shown by what it says itself, as far as it came.
    const bool ownBytes = frame.direction == FrameDirection::Received;
    const std::size_t kept = frame.bytes.size();
    const std::uint8_t address = ownBytes && kept >= 1 ? frame.bytes[0] : frame.address;
    const std::uint8_t function = ownBytes && kept >= 2 ? frame.bytes[1] : frame.function;
    FrameColumns columns;
    columns.time = TimeText(frame.time);
    columns.direction = frame.direction == FrameDirection::Sent ? "→" : "←";
    columns.address = Hex2(address);
    columns.function = Hex2(function);
    columns.meaning = FunctionMeaning(function, address);
    columns.length = std::to_string(frame.length);
    columns.attempt = kLogAttempt + std::to_string(frame.attempt);
    columns.result = ResultText(frame);
    columns.hex = HexLines(frame);
    return columns;
}

std::vector<std::string> FrameLines(const LinkFrame& frame) {
    const FrameColumns c = ColumnsOf(frame);
    const std::string head =
        c.time + ' ' + c.direction + ' ' + c.address + ' ' + c.function + ' ' +
        PadRight(c.meaning, kMeaningWidth) + ' ' + PadLeft(c.length, kLengthWidth) + "  " +
        PadRight(c.attempt, kAttemptWidth) + ' ' + PadRight(c.result, kResultWidth) + ' ';
    std::vector<std::string> lines{head + (c.hex.empty() ? "" : c.hex.front())};
    const std::string indent(static_cast<std::size_t>(Width(head)), ' ');
    for (std::size_t i = 1; i < c.hex.size(); ++i)
        lines.push_back(indent + c.hex[i]);
    const auto end = lines.front().find_last_not_of(' ');
    lines.front().erase(end + 1);
    return lines;
}
