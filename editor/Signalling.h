#pragma once

#include <QString>

#include <cstdint>

class SchemeSession;
class SchemeView;
class ConfigurationModel;

// What QtSignallingDialog shows and what the operator leaves in it; no cancel.
struct SignallingDialogData {
    bool block = false; // a block row: "Вход №" hidden
    QString rowNumber;
    int type = 0; // 0 none, 1 warning, 2 alarm, 3 indication
    QString cell;
};

class SignallingDialog {
public:
    virtual ~SignallingDialog() = default;
    virtual void exec(SignallingDialogData& data) = 0;
};

// The signalling type and light-panel cell of the selected row. A cell belongs
// to one row at most: giving it to a row takes it from any other.
class Signalling {
public:
    Signalling(SchemeSession& session, SignallingDialog& dialog)
        : session_(session), dialog_(dialog) {}

    // "Сигнализация"
    void editSignalling();

private:
    // The row's new signalling byte without its contact or timer bit.
    int chooseSignalling(int row, int type, int cell);
    void takeCellFromOthers(int row, int cell);
    void hideSignalling(int row);

    SchemeSession& session_;
    SignallingDialog& dialog_;
};

// The record byte that holds a row's signalling: byte 0 of a channel, byte 5
// of a block; bit 5 in it is the contact of an input or the timer of a block.
std::uint8_t& SignallingByte(ConfigurationModel& model, int row);
// The number of a row as its dialogs show it: the input number, or "ФБЛ n".
QString RowNumberText(const SchemeView& view, int row);
