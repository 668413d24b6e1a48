#include "tools/ToolCommands.h"

#include "device/DeviceClock.h"
#include "device/DeviceTexts.h"
#include "link/Frames.h"
#include "tools/LineScan.h"
#include "tools/ToolDevice.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <cstdio>

std::optional<std::vector<ScanRow>> SurveyLine(ToolDevice& device, const ToolOptions& o) {
    device.prepareSurvey(o.timeoutMs);
    auto rows = ScanLine(device.link, o.firstAddress, o.lastAddress, o.retries.value_or(1),
                         TerminalProgressBar());
    if (AnyAnswered(rows))
        return rows;
    PrintMessage(stderr, tool_text::kTextNobodyAnswered);
    return std::nullopt;
}

namespace {

int Scan(const ToolOptions& o) {
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const auto rows = SurveyLine(device, o);
    if (!rows)
        return kExitNoAnswer;
    if (o.json) {
        const QByteArray json = ScanJson(*rows, device.link.PortName);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    } else {
        std::printf("%s", ScanTable(*rows, device.link.PortName).c_str());
    }
    return ScanFoundFaults(*rows) ? kExitFound : kExitOk;
}

int ShowClock(ToolDevice& device, int address) {
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    const ExchangeResult result =
        device.link.Transact(address - 1, kFnReadClock, static_cast<int>(kClockReadRequest.size()),
                             kClockReadRequest.data(), reply);
    const auto time = result == kResultOk
                          ? ParseClockAnswer(reply.data(), device.link.GetResponseLength())
                          : std::nullopt;
    if (!time) {
        ShowExchangeResult(device.link, address - 1,
                           result == kResultOk ? kResultForeignAnswer : result);
        return result >= kResultForeignAnswer || result == kResultOk ? kExitNoAnswer : kExitFound;
    }
    std::printf("%s %s\n", ClockTimeText(*time).c_str(), ClockDateText(*time).c_str());
    return kExitOk;
}

int SetClockFromPc(ToolDevice& device) {
    device.checkPassword(ObtainPassword());
    if (device.messages.failures() != 0)
        return kExitFound;
    if (!device.mayWrite())
        return kExitFound;
    const WallTime now = device.clock.wallNow();
    const DeviceTime time{now.second, now.minute, now.hour, now.day, now.month};
    const auto data = ClockSetData(time);
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    const ExchangeResult result =
        device.link.Transact(0, kFnSetClock, static_cast<int>(data.size()), data.data(), reply);
    if (result != kResultOk) {
        ShowExchangeResult(device.link, 0, result);
        return kExitFound;
    }
    std::printf("%s %s\n", ClockTimeText(time).c_str(), ClockDateText(time).c_str());
    return kExitOk;
}

int ClockCommand(const ToolOptions& o) {
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    return o.show ? ShowClock(device, o.address) : SetClockFromPc(device);
}

} // namespace

int RunLineCommand(const ToolOptions& o) {
    if (o.command == "scan")
        return Scan(o);
    return ClockCommand(o);
}
