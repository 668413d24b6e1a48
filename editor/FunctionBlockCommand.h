#pragma once

#include <array>
#include <cstdint>
#include <string>

class SchemeSession;

// One input row of the function-block dialog. Selector items as the dialog
// numbers them; -1 is a selector with nothing chosen.
struct FbInputEntry {
    int kind = 0;   // 0 "инверсный", 1 "прямой"
    int source = 0; // 0 "вход УСО ", 1 "выход ФБ"
    std::string number = "00";
    bool enabled = true;
};

// What the function-block dialog shows and what the operator chose in it.
struct FbDialogData {
    std::string blockNumber;
    bool creating = false; // "создание", else "коррекция"
    int type = 0;          // item of "Тип функц. блока", 0 deletes the block
    std::array<FbInputEntry, 4> inputs{};
};

class FbDialog {
public:
    virtual ~FbDialog() = default;
    // Every way of closing the dialog is the operator's answer.
    virtual void exec(FbDialogData& data) = 0;
};

// "Функц. блоки": creates a block in the first free record, corrects the selected
// block, or deletes it, and keeps the block group of the scheme in step.
class FunctionBlockCommand {
public:
    FunctionBlockCommand(SchemeSession& session, FbDialog& dialog)
        : session_(session), dialog_(dialog) {}

    void editFunctionBlock();

private:
    void dropInputSelection();
    // The block to edit, -1 when none can be had; `creating` tells which way.
    int chooseBlock(bool& creating);
    FbDialogData fill(int block, bool creating) const;
    // The stored number of an input after the entry checks; shows their messages.
    int checkedNumber(FbInputEntry& entry, int channelLimit);
    void store(int block, int type, const FbDialogData& data);
    void remove(int block);
    void clearReferencesTo(int block);
    void finish(int block, bool removed);

    SchemeSession& session_;
    FbDialog& dialog_;
};
