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
class TFormTimeDate : public LazyDialog, public TimeDateWindow {
    Q_OBJECT
public:
    TFormTimeDate(TProgVilClass& model, TComPortClass& link, Messages& messages, Clock& clock,
                  QWidget* parent = nullptr);
    ~TFormTimeDate() override;

    TimeDate& logic() { return logic_; }
    // While the dialog is open its polls wait for the device with the rest of
    // the program held still; input to any window but the main window (the
    // dialog and the boxes it shows) goes on meanwhile.
    bool takesInput(QObject* receiver) const;

    // TimeDateWindow
    EntryField& timeField(int field) override;
    void showDeviceTime(const std::string& time, const std::string& date) override;
    void showPolling(bool on) override;
    void showModal() override;
    void requestClose() override;

    QLabel* StTime = nullptr;
    QLabel* StDate = nullptr;
    QPushButton* pollButton = nullptr; // Button1: start and stop of polling
    QLabel* pollingLabel = nullptr;    // Label10 "запрос  времени включен"
    QTimer* pollTimer = nullptr;       // Timer1
    std::array<QLineEdit*, kTimeFields> timeEdits{}; // Edit1..Edit7
    QPushButton* deviceTimeButton = nullptr; // Button2 "Время и дата прибора"
    QPushButton* pcTimeButton = nullptr;     // Button3 "Время и дата PC"
    QPushButton* ChangeTime = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    void build() override;
    void showEvent(QShowEvent* event) override;
    // FormCloseQuery decides every close, by button, title bar or Escape.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Edit1KeyPress and Edit1KeyDown for all seven fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDeviceTimeGroup();
    QWidget* buildSetTimeGroup();
    QLineEdit* makeTimeEdit(int field);
    void connectButtons();

    std::array<std::unique_ptr<LineEditField>, kTimeFields> fields_;
    TimeDate logic_;
};
