#include "tools/ToolDevice.h"

#include "access/AccessTexts.h"
#include "device/DeviceTexts.h"
#include "link/FrameText.h"
#include "link/LinkTexts.h"
#include "link/PortSettings.h"
#include "tools/ToolCommands.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

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

ToolDevice::ToolDevice() : LineSession(qtLine, systemClock, console) {}

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
        opened = qtLine.open({options.port, options.baud, parity, options.stopBits}) ==
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
    std::string typed;
#ifdef Q_OS_UNIX
    if (!isatty(STDIN_FILENO))
        return typed;
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    // The prompt only once nothing typed can show any more.
    std::fprintf(stderr, "%s ", access_text::kCaptionPasswordDialog);
    std::fflush(stderr);
    std::getline(std::cin, typed);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::fprintf(stderr, "\n");
#endif
    return typed;
}
