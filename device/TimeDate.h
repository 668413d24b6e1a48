#pragma once

#include "device/DeviceClock.h"
#include "link/Frames.h"

#include <array>
#include <cstdint>
#include <string>

class Clock;
class EntryField;
class Messages;
class DeviceLink;
class ConfigurationModel;

inline constexpr int kTimeFields = 7;
// Entry fields of the clock dialog, in their order on it.
enum TimeField {
    SecondsField,
    MinutesField,
    HoursField,
    DayField,
    MonthField,
    YearField,
    WeekdayField
};

// What the clock dialog's rules need of its window.
class TimeDateWindow {
public:
    virtual ~TimeDateWindow() = default;
    virtual EntryField& timeField(int field) = 0;
    // deviceTimeLabel and deviceDateLabel.
    virtual void showDeviceTime(const std::string& time, const std::string& date) = 0;
    // The poll timer running and "запрос  времени включен" shown, or neither.
    virtual void showPolling(bool on) = 0;
    // In the place of that text: why there is no poll (the port closed).
    virtual void showPortClosed(const std::string& text) = 0;
    // Shows the dialog modally; returns when it has closed.
    virtual void showModal() = 0;
    // Tries to close the dialog; mayClose decides.
    virtual void requestClose() = 0;
};

// The rules of the device clock dialog (QtClockDialog): polling the device
// clock, composing a time and date, and sending it to every device on the line.
//
// A poll that meets a silent device lasts seconds, and the window keeps
// handling input meanwhile; so a tick that finds an exchange under way starts
// none, and "Передать время и дату в прибор" pressed during a poll is carried
// out as soon as the poll has ended (dropped when the dialog closes first).
class TimeDate {
public:
    TimeDate(ConfigurationModel& model, DeviceLink& link, Messages& messages, Clock& clock,
             TimeDateWindow& window);

    // The header button: every field "1", then the dialog.
    void openClockDialog();
    void onShow();
    // Start and stop of polling.
    void togglePolling();
    void pollTick();
    void pollDeviceClock();
    // "Время и дата прибора", "Время и дата PC".
    void takeDeviceTime();
    void takeComputerTime();
    void transferTime();
    void okPressed();
    void cancelPressed();
    // Every attempt to close: true when the dialog may close.
    bool mayClose();
    // The text of any entry field changed.
    void fieldChanged();

    // The range check of one field; an empty field is reset to "00" and checked on.
    bool CheckTimeField(EntryField& field, int lower, int upper);
    // The five checks in order, stopping at the first failure.
    bool CheckTimeFields();

    bool polling() const { return polling_; }
    bool exchangeUnderWay() const { return exchanging_; }
    const DeviceTime& DeviceTimeSnapshot() const { return snapshot_; }

private:
    void setPolling(bool on);
    void sendTime();
    int fieldValue(int field);
    void setField(int field, int value);

    ConfigurationModel& model_;
    DeviceLink& link_;
    Messages& messages_;
    Clock& clock_;
    TimeDateWindow& window_;
    bool polling_ = false;
    bool CancelRequested = false;
    bool exchanging_ = false;
    bool pollUnderWay_ = false;
    bool sendRequested_ = false;
    DeviceTime snapshot_{0, 0, 0, 0, 0};
    std::array<std::uint8_t, kMaxResponseSize> reply_{};
};
