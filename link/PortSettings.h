#pragma once

#include "link/PortList.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class DeviceLink;

// Entries of the port settings dialog, in list order.
inline constexpr std::array<const char*, 4> kSpeedEntries{"9600", "19200", "57600", "115200"};
inline constexpr std::array<const char*, 3> kParityLetters{"N", "O", "E"};
inline constexpr std::array<const char*, 2> kStopBitEntries{"1", "2"};
inline constexpr int kParityEvenEntry = 2;
inline constexpr int kTwoStopBitsEntry = 1;

// The selected entry of each list of the port settings dialog.
struct PortChoice {
    int speed = 0;
    int parity = 0;
    int stopBits = 1;
    int port = 0; // -1 when the list is empty
    bool operator==(const PortChoice&) const = default;
};

// What the port settings dialog shows and what the operator chose.
struct PortDialogData {
    std::vector<PortEntry> ports;
    PortChoice choice;
    // "Настройка обмена": the exchange settings, reachable while the dialog is open.
    std::function<void()> exchangeSettings;
};

enum class PortDialogResult { Ok, Refused, Cancel };

class PortDialog {
public:
    virtual ~PortDialog() = default;
    virtual PortDialogResult exec(PortDialogData& data) = 0;
};

// OK in the port settings dialog: even parity with two stop bits is refused.
PortDialogResult JudgePortChoice(const PortChoice& choice);

// The four values of the exchange settings dialog.
struct ExchangeSettingsData {
    int sendDelay = 25;         // 1..100 ms
    int receiveDelay = 20;      // 1..100 ms
    int headerRetriesEntry = 1; // "1", "5"
    int bodyRetriesEntry = 1;   // "1", "10"
    bool operator==(const ExchangeSettingsData&) const = default;
};
inline constexpr std::array<int, 2> kHeaderRetryEntries{1, 5};
inline constexpr std::array<int, 2> kBodyRetryEntries{1, 10};
inline constexpr int kDelayMin = 1;
inline constexpr int kDelayMax = 100;

class ExchangeDialog {
public:
    virtual ~ExchangeDialog() = default;
    // true on OK; data then holds the operator's values.
    virtual bool exec(ExchangeSettingsData& data) = 0;
};

// The port and exchange settings as a successful port command leaves them,
// kept for the next run.
struct SavedPortSettings {
    std::string portName;
    std::string baudRate;
    std::string parity;
    std::string stopBits;
    int headerRetries = 5;
    int bodyRetries = 10;
    int sendDelay = 25;
    int receiveDelay = 20;
    bool operator==(const SavedPortSettings&) const = default;
};

// The port and exchange settings commands with what they remember for the run.
class PortSettingsCommand {
public:
    using PortLister = std::function<std::vector<PortEntry>()>;
    PortSettingsCommand(DeviceLink& link, PortDialog& portDialog, ExchangeDialog& exchangeDialog,
                        PortLister listPorts);

    // "Настройка СОМ порта": the dialog loop, then the new settings and set-up.
    // true when the port was opened with the operator's choice.
    bool showPortSettings(int linkAddressIndex);
    // "Настройка обмена": on OK the four values go to the link.
    void ExchangeSettingsClick();

    // The settings in use, to be kept for the next run.
    SavedPortSettings Saved() const;
    // Settings of an earlier run become the link's and the dialogs' choices
    // (the port entry by its name in today's list). A value the dialogs never
    // offer, or the refused combination, leaves the defaults of its group.
    void Restore(const SavedPortSettings& saved);
    // At start-up: opens the port when its name is in the port list. A port
    // that cannot be opened stays closed and the program goes on without it.
    // true when open; otherwise reason says why.
    bool OpenAtStart(std::string& reason);

    const PortChoice& remembered() const { return remembered_; }
    bool completed() const { return completed_; }
    const ExchangeSettingsData& exchangeSettings() const { return exchange_; }

private:
    PortDialogResult ShowPortDialog();
    void ApplyChoice(const PortDialogData& data);
    void ApplyExchangeSettings();
    void RestoreLine(const SavedPortSettings& saved);
    void RestoreExchange(const SavedPortSettings& saved);

    DeviceLink& link_;
    PortDialog& portDialog_;
    ExchangeDialog& exchangeDialog_;
    PortLister listPorts_;
    PortChoice remembered_;
    bool completed_ = false;
    ExchangeSettingsData exchange_;
};
