#include "tools/ToolCommands.h"

#include "device/DeviceClock.h"
#include "device/DeviceTexts.h"
#include "link/Frames.h"
#include "tools/LineScan.h"
#include "tools/ToolDevice.h"
#include "ui/UiTexts.h"

#include <cstdio>

namespace {

constexpr int kBarWidth = 31;

void ShowProgress(int done, int total) {
    const int filled = done * kBarWidth / total;
    std::fprintf(
        stderr, "\r[%s%s] %d/%d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
        std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(), done, total);
    if (done == total)
        std::fprintf(stderr, "\n");
    std::fflush(stderr);
}

int Scan(const ToolOptions& o) {
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    device.prepareSurvey(o.timeoutMs);
    const auto rows = ScanLine(device.link, o.firstAddress, o.lastAddress, ShowProgress);
    std::printf("%s", ScanTable(rows, device.link.PortName).c_str());
    return ScanFoundFaults(rows) ? kExitFound : kExitOk;
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
        return kExitFound;
    }
    std::printf("%s %s\n", ClockTimeText(*time).c_str(), ClockDateText(*time).c_str());
    return kExitOk;
}

int SetClockFromPc(ToolDevice& device) {
    device.checkPassword(ObtainPassword());
    if (device.messages.failures() != 0)
        return kExitFound;
    if (!device.session.model.canWrite()) {
        device.messages.show({std::string(device_text::kTextNoWriteAccess1) + "\n" +
                                  device_text::kTextNoWriteAccess2,
                              ui_text::kCaptionWarning, MessageIcon::Warning});
        return kExitFound;
    }
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
