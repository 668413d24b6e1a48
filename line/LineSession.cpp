#include "line/LineSession.h"

#include "access/AccessControl.h"
#include "device/DeviceConfiguration.h"
#include "device/DeviceTexts.h"
#include "line/LineTexts.h"
#include "ui/UiTexts.h"

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

} // namespace

LineSession::LineSession(SerialLine& serialLine, Clock& lineClock, Messages& shown)
    : line(serialLine), clock(lineClock), messages(shown) {
    // A device command here never runs without a scheme to compare with.
    messages.answer(device_text::kTextUnchangedSend, Answer::Yes);
    link.SetObserver({nullptr, [this](ExchangeResult result) { lastResult_ = result; }});
}

void LineSession::setFrameObserver(DeviceLink::FrameObserver observer) {
    frameObserver_ = observer;
    link.SetFrameObserver(std::move(observer));
}

bool LineSession::drainLine() {
    lastResult_ = link.IsPortOpen() ? link.DrainAndPurge() : kResultOk;
    return lastResult_ == kResultOk;
}

bool LineSession::unanswered() const {
    return lastResult_ >= kResultForeignAnswer && lastResult_ != kResultAbandoned;
}

Outcome LineSession::failure() const {
    if (lastResult_ == kResultLineFailed || lastResult_ == kResultPortClosed)
        return Outcome::PortClosed;
    return unanswered() ? Outcome::NoAnswer : Outcome::Refused;
}

std::optional<SchemeFileData> LineSession::read(int address) {
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

SchemeFileData LineSession::loadedScheme() {
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

void LineSession::checkPassword(const std::string& typed) {
    GivenPassword dialog(session.model, messages, typed);
    RunStartupCheck(session.model, messages, dialog);
}

bool LineSession::mayWrite() {
    if (session.model.canWrite())
        return true;
    messages.show(
        {std::string(device_text::kTextNoWriteAccess1) + "\n" + device_text::kTextNoWriteAccess2,
         ui_text::kCaptionWarning, MessageIcon::Warning});
    return false;
}

Outcome LineSession::write(const SchemeFileData& scheme, int address, bool confirm) {
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
        return failure();
    if (messages.failures() == failuresBefore)
        return confirm ? Outcome::Confirmed : Outcome::Written;
    messages.show({line_text::kTextNotConfirmed, ui_text::kCaptionWarning, MessageIcon::Warning});
    return Outcome::NotConfirmed;
}
