#include "link/PortSettings.h"

#include "link/ExchangeResult.h"
#include "link/LinkTexts.h"
#include "link/TComPortClass.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

using namespace link_text;
using namespace ui_text;

PortDialogResult JudgePortChoice(const PortChoice& choice) {
    return choice.parity == kParityEvenEntry && choice.stopBits == kTwoStopBitsEntry
               ? PortDialogResult::Refused
               : PortDialogResult::Ok;
}

PortSettingsCommand::PortSettingsCommand(TComPortClass& link, PortDialog& portDialog,
                                         ExchangeDialog& exchangeDialog, PortLister listPorts)
    : link_(link), portDialog_(portDialog), exchangeDialog_(exchangeDialog),
      listPorts_(std::move(listPorts)) {
    exchange_.sendDelay = link.GetSendDelay();
    exchange_.receiveDelay = link.GetReceiveDelay();
}

void PortSettingsCommand::PortClick(int linkAddressIndex) {
    for (;;) {
        const PortDialogResult result = ShowPortDialog();
        if (result == PortDialogResult::Cancel) {
            completed_ = true;
            return;
        }
        if (result == PortDialogResult::Refused) {
            const Answer answer =
                link_.messages().show({kTextBadCombination, kCaptionError, MessageIcon::Error,
                                       MessageButtons::RetryCancel, Answer::Retry});
            if (answer == Answer::Retry)
                continue;
            return;
        }
        if (link_.SetupPort() != 0) {
            ShowExchangeResult(link_, linkAddressIndex, kResultPortSetupFailed);
            return;
        }
        completed_ = true;
        return;
    }
}

// One showing of the port dialog with what its handlers do around it: the
// port is closed while it is shown and reopened after Cancel; OK writes the
// chosen settings into the link.
PortDialogResult PortSettingsCommand::ShowPortDialog() {
    PortDialogData data;
    data.choice = remembered_;
    const bool wasOpen = link_.IsPortOpen();
    link_.ClosePort();
    data.ports = listPorts_();
    if (!completed_)
        remembered_.port = 0;
    // A list that shrank since the last showing starts again at its top.
    const int portCount = static_cast<int>(data.ports.size());
    if (remembered_.port >= portCount)
        remembered_.port = 0;
    data.choice.port = portCount == 0 ? -1 : remembered_.port;
    data.exchangeSettings = [this] { ExchangeSettingsClick(); };

    const PortDialogResult result = portDialog_.exec(data);
    if (data.choice.port >= 0)
        remembered_.port = data.choice.port;
    if (result == PortDialogResult::Ok) {
        remembered_.speed = data.choice.speed;
        remembered_.parity = data.choice.parity;
        remembered_.stopBits = data.choice.stopBits;
        ApplyChoice(data);
    } else if (result == PortDialogResult::Cancel && wasOpen) {
        link_.SetupPort();
    }
    return result;
}

void PortSettingsCommand::ApplyChoice(const PortDialogData& data) {
    const PortChoice& c = data.choice;
    link_.Parity = kParityLetters.at(static_cast<std::size_t>(c.parity));
    link_.BaudRate = kSpeedEntries.at(static_cast<std::size_t>(c.speed));
    link_.StopBits = kStopBitEntries.at(static_cast<std::size_t>(c.stopBits));
    link_.PortName = c.port >= 0 ? data.ports.at(static_cast<std::size_t>(c.port)).name : "";
}

void PortSettingsCommand::ExchangeSettingsClick() {
    ExchangeSettingsData data = exchange_;
    if (!exchangeDialog_.exec(data))
        return;
    exchange_ = data;
    link_.SetHeaderRetries(
        kHeaderRetryEntries.at(static_cast<std::size_t>(data.headerRetriesEntry)));
    link_.SetBodyRetries(kBodyRetryEntries.at(static_cast<std::size_t>(data.bodyRetriesEntry)));
    link_.SetSendDelay(data.sendDelay);
    link_.SetReceiveDelay(data.receiveDelay);
}
