#include "tools/ToolDevice.h"

#include "access/AccessTexts.h"
#include "device/DeviceTexts.h"
#include "link/FrameText.h"
#include "link/LinkTexts.h"
#include "link/PortSettings.h"
#include "tools/Terminal.h"
#include "tools/ToolCommands.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// --trace: each frame on standard error as it goes, as the exchange log lists it.
void TraceFrame(const LinkFrame& frame) {
    for (const std::string& line : FrameLines(frame))
        std::fprintf(stderr, "%s\n", line.c_str());
}

bool IsComName(const std::string& port) {
    return port.find("COM") != std::string::npos || port.find("com") != std::string::npos;
}

} // namespace

ToolDevice::ToolDevice() : LineSession(*serialLine, systemClock, console) {}

int ToolDevice::failureStatus() const {
    return unanswered() ? kExitNoAnswer : kExitFound;
}

bool ToolDevice::open(const ToolOptions& options) {
    link.PortName = options.port;
    link.BaudRate = std::to_string(options.baud);
    link.Parity = options.parity;
    link.StopBits = std::to_string(options.stopBits);
    if (options.retries)
        link.SetHeaderRetries(*options.retries + 1);
    if (options.trace)
        setFrameObserver(TraceFrame);
    // The port dialog's rule: even parity with two stop bits is refused.
    if (JudgePortChoice({0, options.parity == "E" ? kParityEvenEntry : 0,
                         options.stopBits == 2 ? kTwoStopBitsEntry : 0, 0}) !=
        PortDialogResult::Ok) {
        messages.show({link_text::kTextBadCombination, "", MessageIcon::Warning});
        return false;
    }
    bool opened = false;
    if (IsComName(options.port)) {
        opened = link.SetupPort() == 0;
    } else {
        const LineParity parity = options.parity == "E"   ? LineParity::Even
                                  : options.parity == "O" ? LineParity::Odd
                                                          : LineParity::None;
        opened = serialLine->open({options.port, options.baud, parity, options.stopBits}) ==
                 OpenResult::Opened;
    }
    if (!opened)
        ShowExchangeResult(link, options.address > 0 ? options.address - 1 : 0,
                           kResultPortSetupFailed);
    return opened;
}

std::string ObtainPassword() {
    if (const char* given = std::getenv("VIL3K_PASSWORD"))
        return given;
    return ReadUnechoedLine(access_text::kCaptionPasswordDialog);
}
