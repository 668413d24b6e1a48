#include "link/PortSettings.h"

#include "link/DeviceLink.h"
#include "link/ExchangeResult.h"
#include "link/LinkTexts.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

using namespace link_text;
using namespace ui_text;

PortDialogResult JudgePortChoice(const PortChoice& choice) {
    return choice.parity == kParityEvenEntry && choice.stopBits == kTwoStopBitsEntry
               ? PortDialogResult::Refused
               : PortDialogResult::Ok;
}

PortSettingsCommand::PortSettingsCommand(DeviceLink& link, PortDialog& portDialog,
                                         ExchangeDialog& exchangeDialog, PortLister listPorts)
    : link_(link), portDialog_(portDialog), exchangeDialog_(exchangeDialog),
      listPorts_(std::move(listPorts)) {
    exchange_.sendDelay = link.GetSendDelay();
    exchange_.receiveDelay = link.GetReceiveDelay();
}

bool PortSettingsCommand::showPortSettings(int linkAddressIndex) {
    for (;;) {
        const PortDialogResult result = ShowPortDialog();
        if (result == PortDialogResult::Cancel) {
            completed_ = true;
            return false;
        }
        if (result == PortDialogResult::Refused) {
            const Answer answer =
                link_.messages().show({kTextBadCombination, kCaptionError, MessageIcon::Error,
                                       MessageButtons::RetryCancel, Answer::Retry});
            if (answer == Answer::Retry)
                continue;
            return false;
        }
        if (link_.SetupPort() != 0) {
            ShowExchangeResult(link_, linkAddressIndex, kResultPortSetupFailed);
            return false;
        }
        completed_ = true;
        return true;
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
    ApplyExchangeSettings();
}

void PortSettingsCommand::ApplyExchangeSettings() {
    link_.SetHeaderRetries(
        kHeaderRetryEntries.at(static_cast<std::size_t>(exchange_.headerRetriesEntry)));
    link_.SetBodyRetries(
        kBodyRetryEntries.at(static_cast<std::size_t>(exchange_.bodyRetriesEntry)));
    link_.SetSendDelay(exchange_.sendDelay);
    link_.SetReceiveDelay(exchange_.receiveDelay);
}

namespace {

// The entry of a list that shows value; -1 when the list has none.
template <typename T, std::size_t N, typename V>
int EntryOf(const std::array<T, N>& entries, const V& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == entries[i])
            return static_cast<int>(i);
    return -1;
}

bool DelayInRange(int ms) {
    return ms >= kDelayMin && ms <= kDelayMax;
}

} // namespace

SavedPortSettings PortSettingsCommand::Saved() const {
    return {link_.PortName,       link_.BaudRate,           link_.Parity,
            link_.StopBits,       link_.GetHeaderRetries(), link_.GetBodyRetries(),
            link_.GetSendDelay(), link_.GetReceiveDelay()};
}

void PortSettingsCommand::Restore(const SavedPortSettings& saved) {
    RestoreLine(saved);
    RestoreExchange(saved);
}

void PortSettingsCommand::RestoreLine(const SavedPortSettings& saved) {
    PortChoice choice = remembered_;
    choice.speed = EntryOf(kSpeedEntries, saved.baudRate);
    choice.parity = EntryOf(kParityLetters, saved.parity);
    choice.stopBits = EntryOf(kStopBitEntries, saved.stopBits);
    if (choice.speed >= 0 && choice.parity >= 0 && choice.stopBits >= 0 &&
        JudgePortChoice(choice) == PortDialogResult::Ok) {
        remembered_ = choice;
        link_.BaudRate = saved.baudRate;
        link_.Parity = saved.parity;
        link_.StopBits = saved.stopBits;
    }
    if (saved.portName.empty())
        return;
    link_.PortName = saved.portName;
    const std::vector<PortEntry> ports = listPorts_();
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i].name == saved.portName) {
            remembered_.port = static_cast<int>(i);
            completed_ = true;
        }
}

void PortSettingsCommand::RestoreExchange(const SavedPortSettings& saved) {
    const int header = EntryOf(kHeaderRetryEntries, saved.headerRetries);
    const int body = EntryOf(kBodyRetryEntries, saved.bodyRetries);
    if (header < 0 || body < 0 || !DelayInRange(saved.sendDelay) ||
        !DelayInRange(saved.receiveDelay))
        return;
    exchange_ = {saved.sendDelay, saved.receiveDelay, header, body};
    ApplyExchangeSettings();
}

bool PortSettingsCommand::OpenAtStart(std::string& reason) {
    if (ResolvePortPath(listPorts_(), link_.PortName).empty()) {
        reason = link_text::kReasonPortNotListed;
        return false;
    }
    return link_.OpenQuietly(reason);
}
