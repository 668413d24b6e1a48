#pragma once

#include "device/TimeDate.h"
#include "ui/gui/LazyDialog.h"
#include "ui/gui/LineEditField.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// "Задание времени и даты": the device clock dialog. Made once and shown by
// the header button of the main window; its rules are TimeDate's.
class QtClockDialog : public LazyDialog, public TimeDateWindow {
    Q_OBJECT
public:
    QtClockDialog(ConfigurationModel& model, DeviceLink& link, Messages& messages, Clock& clock,
                  QWidget* parent = nullptr);
    ~QtClockDialog() override;

    TimeDate& logic() { return logic_; }
    // While the dialog is open its polls wait for the device with the rest of
    // the program held still; input to any window but the main window (the
    // dialog and the boxes it shows) goes on meanwhile.
    bool takesInput(QObject* receiver) const;

    // TimeDateWindow
    EntryField& timeField(int field) override;
    void showDeviceTime(const std::string& time, const std::string& date) override;
    void showPolling(bool on) override;
    void showPortClosed(const std::string& text) override;
    void showModal() override;
    void requestClose() override;

    QLabel* deviceTimeLabel = nullptr;
    QLabel* deviceDateLabel = nullptr;
    QPushButton* pollButton = nullptr; // start and stop of polling
    QLabel* pollingLabel = nullptr;    // "запрос  времени включен"
    QTimer* pollTimer = nullptr;
    std::array<QLineEdit*, kTimeFields> timeEdits{};
    QPushButton* deviceTimeButton = nullptr; // "Время и дата прибора"
    QPushButton* pcTimeButton = nullptr;     // "Время и дата PC"
    QPushButton* sendTimeButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;
    // mayClose decides every close, by button, title bar or Escape.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // The key handling of all seven fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDeviceTimeGroup();
    QWidget* buildSetTimeGroup();
    QLineEdit* makeTimeEdit(int field);
    void connectButtons();

    std::array<std::unique_ptr<LineEditField>, kTimeFields> fields_;
    TimeDate logic_;
};
