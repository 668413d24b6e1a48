#pragma once

#include <cstdint>
#include <string>

class SchemeSession;

// What the outputs dialog shows and what the operator chose in it.
struct OutputsDialogData {
    bool channelRow = true; // "Вход №" is shown only for an input
    std::string rowCaption; // the input number, or "ФБЛ " and the block number
    int mr1Outputs = 0;     // buttons the modules have
    int mr2Outputs = 0;
    // Working masks: the row's masks in, the operator's choice out. Bits of outputs
    // the device lacks have no button and come back as they went in.
    std::uint8_t mr1Mask = 0;
    std::uint8_t mr2Mask = 0;
    bool interlock = false; // "Блокировка"
};

class OutputsDialog {
public:
    virtual ~OutputsDialog() = default;
    // The dialog has no cancel: however it is closed, the choice is taken.
    virtual void exec(OutputsDialogData& data) = 0;
};

// "Выходы": the relay outputs a scheme row drives and its interlock flag.
class OutputsCommand {
public:
    OutputsCommand(SchemeSession& session, OutputsDialog& dialog)
        : session_(session), dialog_(dialog) {}

    void editOutputs();

private:
    // Bytes 0..3 of the row's channel record, or bytes 5..8 of a block record:
    // [1] МР №1 mask, [2] МР №2 mask, [3] interlock and delay.
    std::uint8_t* rowRecord(int row);
    OutputsDialogData prepare(int row, const std::uint8_t* record) const;
    void apply(int row, std::uint8_t* record, const OutputsDialogData& data);

    SchemeSession& session_;
    OutputsDialog& dialog_;
};
