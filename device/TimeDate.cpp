#include "device/TimeDate.h"
#include "model/DecimalText.h"

#include "device/DeviceStatus.h"
#include "device/DeviceTexts.h"
#include "link/DeviceLink.h"
#include "link/ExchangeResult.h"
#include "model/ConfigurationModel.h"
#include "ui/Clock.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

using namespace device_text;

namespace {

struct FieldRange {
    int lower;
    int upper;
};
// Seconds, minutes, hours, day of month, month: the fields that are checked and sent.
constexpr std::array<FieldRange, kClockRegisters> kCheckedFields{
    {{0, 59}, {0, 59}, {0, 23}, {1, 31}, {1, 12}}};

// Marks an exchange as under way for as long as it lives.
class ExchangeFlag {
public:
    explicit ExchangeFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ExchangeFlag() { flag_ = false; }
    ExchangeFlag(const ExchangeFlag&) = delete;
    ExchangeFlag& operator=(const ExchangeFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

TimeDate::TimeDate(ConfigurationModel& model, DeviceLink& link, Messages& messages, Clock& clock,
                   TimeDateWindow& window)
    : model_(model), link_(link), messages_(messages), clock_(clock), window_(window) {}

void TimeDate::openClockDialog() {
    for (int field = 0; field < kTimeFields; ++field)
        window_.timeField(field).setText("1");
    window_.showModal();
}

void TimeDate::onShow() {
    setPolling(false);
    togglePolling();
}

// A port lost under an earlier command is tried once more; a port that stays
// closed is named instead of a poll that could not run.
void TimeDate::togglePolling() {
    if (!polling_ && link_.ReopenIfLost() != DeviceLink::PortState::Reopened &&
        !link_.IsPortOpen()) {
        window_.showPortClosed(PortStatusText(link_));
        return;
    }
    setPolling(!polling_);
}

// A poll under way when polling stops (the dialog closes) is abandoned, so
// that the window is free for the next command at once.
void TimeDate::setPolling(bool on) {
    polling_ = on;
    window_.showPolling(on);
    if (!on && pollUnderWay_)
        link_.Abandon();
}

void TimeDate::pollTick() {
    if (!exchanging_)
        pollDeviceClock();
}

// Failures are silent: the display keeps the last time read.
void TimeDate::pollDeviceClock() {
    if (exchanging_)
        return;
    ExchangeResult result = kResultOk;
    {
        const ExchangeFlag flag(exchanging_);
        const ExchangeFlag poll(pollUnderWay_);
        reply_.fill(0);
        result = link_.Transact(model_.LinkAddressIndex, kFnReadClock,
                                static_cast<int>(kClockReadRequest.size()),
                                kClockReadRequest.data(), reply_);
    }
    if (result == kResultOk) {
        if (const auto time = ParseClockAnswer(reply_.data(), link_.GetResponseLength())) {
            window_.showDeviceTime(ClockTimeText(*time), ClockDateText(*time));
            snapshot_ = *time;
        }
    }
    if (sendRequested_) {
        sendRequested_ = false;
        transferTime();
    }
}

void TimeDate::takeDeviceTime() {
    if (!polling_) {
        messages_.show(
            MessageBox{kTextEnablePolling, ui_text::kCaptionWarning, MessageIcon::Error});
        return;
    }
    const int values[kClockRegisters] = {snapshot_.second, snapshot_.minute, snapshot_.hour,
                                         snapshot_.day, snapshot_.month};
    for (int field = 0; field < kClockRegisters; ++field)
        setField(field, values[field]);
}

void TimeDate::takeComputerTime() {
    const WallTime now = clock_.wallNow();
    const int values[kTimeFields] = {now.second, now.minute,      now.hour,     now.day,
                                     now.month,  now.year - 2000, now.dayOfWeek};
    for (int field = 0; field < kTimeFields; ++field)
        setField(field, values[field]);
}

void TimeDate::setField(int field, int value) {
    window_.timeField(field).setText(std::to_string(value));
}

bool TimeDate::CheckTimeField(EntryField& field, int lower, int upper) {
    bool ok = true;
    if (field.text().empty()) {
        model_.ShowEntryError(field);
        ok = false;
    }
    const int value = ParseFieldNumber(field.text()).value_or(-1);
    if (value < lower || value > upper) {
        model_.ShowEntryError(field);
        ok = false;
    }
    return ok;
}

bool TimeDate::CheckTimeFields() {
    for (int field = 0; field < kClockRegisters; ++field) {
        const FieldRange range = kCheckedFields[static_cast<std::size_t>(field)];
        if (!CheckTimeField(window_.timeField(field), range.lower, range.upper))
            return false;
    }
    return true;
}

int TimeDate::fieldValue(int field) {
    return ParseFieldNumber(window_.timeField(field).text()).value_or(-1);
}

void TimeDate::transferTime() {
    if (exchanging_) {
        sendRequested_ = true;
        return;
    }
    if (!model_.canWrite()) {
        messages_.show(MessageBox{std::string(kTextNoWriteAccess1) + "\n" + kTextNoWriteAccess2,
                                  ui_text::kCaptionWarning, MessageIcon::Warning});
        return;
    }
    // A failed check leaves the dialog open for the operator to mend the field.
    if (CheckTimeFields())
        sendTime();
}

// A broadcast has no answer: only a closed port or a failing serial layer can
// stop it, and then the dialog stays open so that the time is not taken as set.
void TimeDate::sendTime() {
    const DeviceTime time{fieldValue(SecondsField), fieldValue(MinutesField),
                          fieldValue(HoursField), fieldValue(DayField), fieldValue(MonthField)};
    const auto data = ClockSetData(time);
    ExchangeResult result = kResultOk;
    {
        const ExchangeFlag flag(exchanging_);
        result = link_.Transact(0, kFnSetClock, static_cast<int>(data.size()), data.data(), reply_);
    }
    if (result != kResultOk) {
        ShowExchangeResult(link_, model_.LinkAddressIndex, result);
        return;
    }
    window_.requestClose();
}

void TimeDate::okPressed() {
    CancelRequested = false;
    window_.requestClose();
}

void TimeDate::cancelPressed() {
    CancelRequested = true;
    window_.requestClose();
}

bool TimeDate::mayClose() {
    const bool allowed = CancelRequested || CheckTimeFields();
    setPolling(false);
    if (allowed)
        sendRequested_ = false;
    return allowed;
}

void TimeDate::fieldChanged() {
    model_.Modified = 1;
}
