#pragma once

#include <QString>

class SchemeSession;

// What QtDelayDialog shows and what the operator leaves in it; no cancel.
struct DelayDialogData {
    bool block = false; // a block row: timer type shown, "Вход №" hidden
    QString rowNumber;
    int timerType = 0; // blocks: 0 on-delay, 1 pulse
    QString unit;      // unitEdit: seconds per unit, 1 or 10
    QString value;     // valueEdit: units, 0..60
};

class DelayDialog {
public:
    virtual ~DelayDialog() = default;
    virtual void exec(DelayDialogData& data) = 0;
};

// The delay of the selected row's outputs, and for a block its timer type.
class OutputDelays {
public:
    OutputDelays(SchemeSession& session, DelayDialog& dialog)
        : session_(session), dialog_(dialog) {}

    // "Задержка"
    void editDelay();

private:
    struct Delay {
        int unit = 0, value = 0, timerType = 0;
    };
    // The checks in their order; a failed one shows its message and leaves no delay.
    bool checkDelay(Delay& delay, const DelayDialogData& data);
    void showDelay(int row, const Delay& delay, bool valid);

    SchemeSession& session_;
    DelayDialog& dialog_;
};
