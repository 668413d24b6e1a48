#include "device/DeviceConfiguration.h"

#include "device/DeviceTexts.h"
#include "editor/SchemeSession.h"
#include "link/DeviceLink.h"
#include "link/ExchangeResult.h"
#include "link/LinkTexts.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

#include "ui/UiTexts.h"
#include <cstdio>

using namespace device_text;
using namespace link_text;
using namespace ui_text;

namespace {

std::string CodeText(int first, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", first, second);
    return text;
}

} // namespace

DeviceConfiguration::DeviceConfiguration(SchemeSession& session, DeviceLink& link)
    : session_(session), model_(session.model), link_(link), window_(session.window),
      messages_(session.messages) {}

bool DeviceConfiguration::exchange(std::uint8_t functionCode, int dataCount,
                                   const std::uint8_t* data) {
    const ExchangeResult result =
        link_.Transact(model_.LinkAddressIndex, functionCode, dataCount, data, reply_);
    if (result != kResultOk)
        ShowExchangeResult(link_, model_.LinkAddressIndex, result);
    return result == kResultOk;
}

std::string DeviceConfiguration::deviceText() const {
    return kTextDevice + std::to_string(model_.LinkAddressIndex + 1);
}

void DeviceConfiguration::warn(const std::string& text) {
    messages_.show(MessageBox{text, kCaptionWarning, MessageIcon::Warning});
}

bool DeviceConfiguration::readDevice() {
    window_.scrollSchemeToTop();
    window_.setTimeDateEnabled(false);
    model_.Repaired = 0;
    const bool read = identifyForRead() && readImage();
    if (read)
        loadImage();
    finishRead();
    return read;
}

bool DeviceConfiguration::identifyForRead() {
    if (!exchange(kFnIdentify, 0, nullptr))
        return false;
    const int length = link_.GetResponseLength();
    const int first = reply_[kIdentFirstPartByte];
    const int second = reply_[kIdentSecondPartByte];
    // A code outside the family would lay out a scheme no device has: refused
    // before the model or the fields take anything from the answer.
    if (length > kIdentStatusByte && reply_[kIdentCountByte] == kIdentCodeCount &&
        reply_[kIdentStatusByte] == 0 && !ConfigurationModel::IsValidExecCode(first, second) &&
        (first != 0 || second != 0)) {
        warn(deviceText() + kTextUnknownCode + CodeText(first, second) + "\n" + kTextNotRead);
        return false;
    }
    model_.ApplyIdentification(kFnIdentify, reply_.data(), length);
    if (model_.DeviceStatus != 0) {
        warn(deviceText() + kTextUnknownType + "\n" + kTextNotRead);
        return false;
    }
    window_.showExecCode(model_.ExecFirst, model_.ExecSecond);
    if (model_.InputCount == 0 && model_.OutputCode == 0) {
        warn(kTextSetConfiguration);
        session_.view.header.setConfigVisible = true;
        window_.syncScheme();
        return false;
    }
    return true;
}

bool DeviceConfiguration::readImage() {
    link_.WaitMs(kPauseBeforeImage);
    if (!exchange(kFnReadImage, 0, nullptr))
        return false;
    if (reply_[kIdentCountByte] != model_.ImageSize) {
        warn(deviceText() + kTextNotVil3k);
        return false;
    }
    if ((reply_[kHeaderSize + kDeviceByteOffset] & kDeviceNumberBits) == kDeviceNumberLimit) {
        warn(deviceText() + kTextAddressOutOfRange + "\n" + kTextNotRead);
        return false;
    }
    return true;
}

void DeviceConfiguration::loadImage() {
    model_.TakeImage(reply_.data(), link_.GetResponseLength());
    const std::uint8_t deviceByte = model_.GetDeviceByte();
    const int device = deviceByte & kDeviceNumberBits;
    session_.LoadScheme(model_.ExecFirst, model_.ExecSecond, model_.ImageBuffer, deviceByte,
                        kCaptionDevicePrefix + std::to_string(device + 1));
}

void DeviceConfiguration::finishRead() {
    window_.setTimeDateEnabled(true);
    window_.scrollSchemeToTop();
    window_.focusScheme();
}

bool DeviceConfiguration::writeDevice() {
    if (!writeAllowed())
        return false;
    const int first = model_.ExecFirst;
    const int second = model_.ExecSecond;
    const bool sent =
        identifyForWrite(first, second) && (!confirmSend || confirmSend()) && sendImage();
    if (sent) {
        model_.LinkAddressIndex = model_.DeviceNumberIndex;
        window_.selectLinkAddress(model_.LinkAddressIndex);
        askConfirmation();
        window_.setCaption(kCaptionDevicePrefix + std::to_string(model_.DeviceNumberIndex + 1));
    }
    window_.focusScheme();
    return sent;
}

bool DeviceConfiguration::writeAllowed() {
    if (!model_.canWrite()) {
        warn(std::string(kTextNoWriteAccess1) + "\n" + kTextNoWriteAccess2);
        return false;
    }
    window_.focusFirstControl();
    if (model_.SchemeCreated == 0) {
        if (session_.creation.PromptCreateScheme())
            window_.requestExit();
        return false;
    }
    if (model_.CheckExecCode(&window_.firstCodeField(), &window_.secondCodeField()))
        return false;
    model_.ComputeLayout();
    if (model_.Modified == 0) {
        const MessageBox question{kTextUnchangedSend, kCaptionConfirmTransfer,
                                  MessageIcon::Question, MessageButtons::YesNo, Answer::No};
        if (messages_.show(question) != Answer::Yes)
            return false;
    }
    return true;
}

bool DeviceConfiguration::identifyForWrite(int first, int second) {
    if (!exchange(kFnIdentify, 0, nullptr))
        return false;
    const int length = link_.GetResponseLength();
    model_.ApplyIdentification(kFnIdentify, reply_.data(), length);
    if (model_.DeviceStatus != 0) {
        warn(deviceText() + kTextNotVil + "\n" + kTextNotSent);
        return false;
    }
    // A code answer names the device's code even when the model refuses to take
    // it; other forms of answer leave the scheme's code standing.
    const bool codeAnswer = length > kIdentStatusByte && reply_[kIdentCountByte] == kIdentCodeCount;
    const int deviceFirst = codeAnswer ? reply_[kIdentFirstPartByte] : model_.ExecFirst;
    const int deviceSecond = codeAnswer ? reply_[kIdentSecondPartByte] : model_.ExecSecond;
    if (deviceFirst != first || deviceSecond != second) {
        warn(std::string(kTextMismatch1) + "\n" + kTextMismatch2);
        return false;
    }
    return true;
}

bool DeviceConfiguration::sendImage() {
    model_.SetDeviceByte(MakeDeviceByte(model_.DeviceNumberIndex, window_.externalAckDown()));
    model_.PackImage();
    link_.WaitMs(kPauseBeforeImage);
    if (!exchange(kFnWriteImage, model_.ImageSize, model_.ImageBuffer.data()))
        return false;
    // Only a scheme that reached the device counts as saved: a failed send keeps
    // the exit questions offering to save or transfer it.
    model_.Modified = 0;
    return true;
}

void DeviceConfiguration::askConfirmation() {
    const MessageBox question{kTextSentAskConfirm, kCaptionConfirmQuery, MessageIcon::Question,
                              MessageButtons::YesNo, Answer::Yes};
    if (messages_.show(question) != Answer::Yes)
        return;
    link_.WaitMs(kPauseBeforeConfirm);
    exchange(kFnConfirm, 0, nullptr);
}
