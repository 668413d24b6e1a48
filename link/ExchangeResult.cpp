#include "link/ExchangeResult.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/Messages.h"

#include "ui/UiTexts.h"
#include <cstdio>

using namespace link_text;
using namespace ui_text;

namespace {

// Upper-case hexadecimal, at least two digits.
std::string Hex(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value));
    return text;
}

const char* FixedText(ExchangeResult result) {
    switch (result) {
    case kResultPortSetupFailed:
        return kTextCannotOpen;
    case 133:
        return kTextNotConfigured;
    case 134:
        return kTextSetupAtPowerOff;
    case 135:
        return kTextSetupError;
    case kResultPortClosed:
        return kTextNoPort;
    default:
        return nullptr;
    }
}

const char* DeviceEnding(ExchangeResult result) {
    switch (result) {
    case kResultBusy:
        return kTextBusy;
    case kResultForeignAnswer:
    case kResultLineNoise:
        return kTextReceiveError;
    case kResultPartial:
        return kTextTimeout;
    case kResultSilent:
        return kTextNoAnswer;
    case kResultBadCrc:
        return kTextBadCrc;
    default:
        return nullptr;
    }
}

bool IsError(ExchangeResult result) {
    return result == 133 || result == 134 || result == 135 || result == kResultPortClosed;
}

} // namespace

std::string ExchangeResultText(const std::string& portName, int addressIndex,
                               ExchangeResult result) {
    if (result == kResultOk || result == kResultLineFailed || result == kResultAbandoned)
        return {};
    if (const char* fixed = FixedText(result))
        return fixed;
    std::string text = kTextDevice + std::to_string(addressIndex + 1) + " " + portName;
    if (const char* ending = DeviceEnding(result))
        return text + ending;
    return text + kTextExchangeError + Hex(result);
}

void ShowExchangeResult(DeviceLink& link, int addressIndex, ExchangeResult result) {
    std::string text = ExchangeResultText(link.PortName, addressIndex, result);
    // A port chosen, then lost under the program, is no port never chosen.
    if (result == kResultPortClosed && !link.LossReason().empty())
        text = std::string(kTextPortClosed) + ": " + link.LossReason();
    if (text.empty())
        return;
    if (result == kResultPortClosed)
        link.ClosePort();
    const bool error = IsError(result);
    link.messages().show({text, error ? kCaptionError : kCaptionWarning,
                          error ? MessageIcon::Error : MessageIcon::Warning, MessageButtons::Ok});
}
