#include "tools/ToolDevice.h"

#include "access/AccessControl.h"
#include "access/AccessTexts.h"
#include "device/DeviceConfiguration.h"
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

// The password dialog with one answer typed in advance.
class GivenPassword : public PasswordDialog {
public:
    GivenPassword(ConfigurationModel& model, Messages& messages, std::string typed)
        : model_(model), messages_(messages), typed_(std::move(typed)) {}
    void prepareChange() override {}
    int exec() override { return PasswordCloseHandler(model_, messages_, typed_).result; }
    std::string typedText() const override { return typed_; }

private:
    ConfigurationModel& model_;
    Messages& messages_;
    std::string typed_;
};

// --trace: each frame on standard error as it goes, as the exchange log lists it.
void TraceFrame(const LinkFrame& frame) {
    for (const std::string& line : FrameLines(frame))
        std::fprintf(stderr, "%s\n", line.c_str());
}

bool IsComName(const std::string& port) {
    return port.find("COM") != std::string::npos || port.find("com") != std::string::npos;
}

} // namespace

ToolDevice::ToolDevice() {
    // A device command in the tool never runs without a scheme to compare with.
    messages.answer(device_text::kTextUnchangedSend, Answer::Yes);
    link.SetObserver({nullptr, [this](ExchangeResult result) { lastResult_ = result; }});
}

bool ToolDevice::drainLine() {
    lastResult_ = link.IsPortOpen() ? link.DrainAndPurge() : kResultOk;
    return lastResult_ == kResultOk;
}

int ToolDevice::failureStatus() const {
    const bool unanswered = lastResult_ >= kResultForeignAnswer && lastResult_ != kResultAbandoned;
    return unanswered ? kExitNoAnswer : kExitFound;
}

bool ToolDevice::open(const ToolOptions& options) {
    link.PortName = options.port;
    link.BaudRate = std::to_string(options.baud);
    link.Parity = options.parity;
    link.StopBits = std::to_string(options.stopBits);
    if (options.retries)
        link.SetHeaderRetries(*options.retries + 1);
    if (options.trace)
        link.SetFrameObserver(TraceFrame);
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
        opened =
            line.open({options.port, options.baud, parity, options.stopBits}) == OpenResult::Opened;
    }
    if (!opened)
        ShowExchangeResult(link, options.address > 0 ? options.address - 1 : 0,
                           kResultPortSetupFailed);
    return opened;
}

void ToolDevice::prepareSurvey(int timeoutMs) {
    link.SetHeaderRetries(1);
    link.SetBodyRetries(1);
    link.SetRetryPause(0);
    line.setReadTimeoutMs(std::max(1, timeoutMs - link.GetSendDelay()));
}

std::optional<SchemeFileData> ToolDevice::read(int address) {
    ConfigurationModel& model = session.model;
    model.LinkAddressIndex = address - 1;
    window.loaded = false;
    if (!drainLine())
        return std::nullopt;
    DeviceConfiguration(session, link).readDevice();
    if (!window.loaded)
        return std::nullopt;
    SchemeFileData data;
    data.execFirst = model.ExecFirst;
    data.execSecond = model.ExecSecond;
    data.image = model.ImageBuffer;
    data.deviceByte = model.GetDeviceByte();
    return data;
}

SchemeFileData ToolDevice::loadedScheme() {
    ConfigurationModel& model = session.model;
    model.PackInclusion();
    model.SetDeviceByte(MakeDeviceByte(model.DeviceNumberIndex, session.view.header.extAckDown));
    model.PackImage();
    SchemeFileData data;
    data.execFirst = model.ExecFirst;
    data.execSecond = model.ExecSecond;
    data.image = model.ImageBuffer;
    data.deviceByte = model.GetDeviceByte();
    data.channelNames.assign(static_cast<std::size_t>(model.ChannelCount), QString(10, ' '));
    data.outputNames.fill(QString(10, ' '));
    return data;
}

void ToolDevice::checkPassword(const std::string& typed) {
    GivenPassword dialog(session.model, messages, typed);
    RunStartupCheck(session.model, messages, dialog);
}

bool ToolDevice::mayWrite() {
    if (session.model.canWrite())
        return true;
    messages.show(
        {std::string(device_text::kTextNoWriteAccess1) + "\n" + device_text::kTextNoWriteAccess2,
         ui_text::kCaptionWarning, MessageIcon::Warning});
    return false;
}

Outcome ToolDevice::write(const SchemeFileData& scheme, int address, bool confirm) {
    const int failuresBefore = messages.failures();
    SchemeNames names{scheme.channelNames, scheme.outputNames};
    session.LoadScheme(scheme.execFirst, scheme.execSecond, scheme.image, scheme.deviceByte,
                       device_text::kCaptionDevicePrefix, &names);
    if (messages.failures() != failuresBefore)
        return Outcome::Refused;
    window.externalAck = (scheme.deviceByte & kExternalAckBit) != 0;
    session.model.LinkAddressIndex = address - 1;
    messages.answer(device_text::kTextSentAskConfirm, confirm ? Answer::Yes : Answer::No);
    if (!drainLine() || !DeviceConfiguration(session, link).writeDevice())
        return failureStatus() == kExitNoAnswer ? Outcome::NoAnswer : Outcome::Refused;
    if (messages.failures() == failuresBefore)
        return confirm ? Outcome::Confirmed : Outcome::Written;
    PrintMessage(stderr, tool_text::kTextNotConfirmed);
    return Outcome::NotConfirmed;
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
