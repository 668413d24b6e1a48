#include "tools/ToolCommands.h"

#include "device/DeviceClock.h"
#include "device/DeviceTexts.h"
#include "line/LineClocks.h"
#include "link/Frames.h"
#include "tools/ConsoleSeams.h"
#include "tools/LineReports.h"
#include "tools/ToolDevice.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <algorithm>
#include <cstdio>

std::vector<SurveyRow> SurveyFromOptions(ToolDevice& device, const ToolOptions& o) {
    SurveySettings settings;
    settings.first = o.firstAddress;
    settings.last = o.lastAddress;
    settings.timeoutMs = o.timeoutMs;
    settings.retries = o.retries.value_or(1);
    return SurveyLine(device, settings, {nullptr, TerminalProgressBar()});
}

bool NobodyAnswered(const std::vector<SurveyRow>& rows) {
    if (std::any_of(rows.begin(), rows.end(), [](const SurveyRow& row) { return row.heard(); }))
        return false;
    PrintMessage(stderr, tool_text::kTextNobodyAnswered);
    return true;
}

namespace {

int Scan(const ToolOptions& o) {
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const std::vector<SurveyRow> rows = SurveyFromOptions(device, o);
    if (o.json) {
        const QByteArray json = ScanJson(rows, device.link.PortName);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    } else {
        std::printf("%s", ScanTable(rows, device.link.PortName).c_str());
    }
    std::fflush(stdout);
    if (NobodyAnswered(rows))
        return kExitNoAnswer;
    Severity worst = Severity::Done;
    for (const SurveyRow& row : rows)
        worst = Worse(worst, SeverityOf(row.outcome()));
    return static_cast<int>(worst);
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
    DeviceTime time;
    const ExchangeResult result = SetClocksFromComputer(device, time);
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
