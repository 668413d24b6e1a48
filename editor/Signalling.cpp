#include "editor/Signalling.h"

#include "editor/CommandPreamble.h"
#include "editor/DialogNumber.h"
#include "editor/InputCommandTexts.h"
#include "editor/SchemeSession.h"
#include "ui/UiTexts.h"

namespace {

constexpr std::uint8_t kKeptBit = 0x20; // contact of an input, timer type of a block
constexpr std::uint8_t kCellBits = 0x1F;
constexpr int kBlockSignallingByte = 5;

} // namespace

std::uint8_t& SignallingByte(ConfigurationModel& model, int row) {
    if (row < kFirstBlockRow)
        return model.Channels[row][0];
    return model.FunctionBlocks[row - kFirstBlockRow][kBlockSignallingByte];
}

QString RowNumberText(const SchemeView& view, int row) {
    if (row < kFirstBlockRow)
        return view.at(Family::InputNumber, row).caption;
    return QString::fromUtf8(editor_text::kBlockRowPrefix) +
           view.at(Family::BlockNumber, row - kFirstBlockRow).caption;
}

void Signalling::editSignalling() {
    const int row = CommandPreamble(session_).Run();
    if (row < 0)
        return;
    const std::uint8_t old = SignallingByte(session_.model, row);
    SignallingDialogData data;
    data.block = row >= kFirstBlockRow;
    data.rowNumber = RowNumberText(session_.view, row);
    data.type = old >> 6;
    data.cell = QString::number(old & kCellBits);
    dialog_.exec(data);
    const std::optional<int> cell = DialogNumber(data.cell, session_.messages);
    if (!cell)
        return;
    const int chosen = chooseSignalling(row, data.type & 3, *cell);
    // Re-read: taking the cell from other rows never touches this one.
    std::uint8_t& byte = SignallingByte(session_.model, row);
    byte = static_cast<std::uint8_t>(chosen | (byte & kKeptBit));
    session_.view.RefreshRowLines();
}

int Signalling::chooseSignalling(int row, int type, int cell) {
    const char* refusal = nullptr;
    if (cell == 0)
        refusal = editor_text::kTextNoCell;
    else if (cell < 0 || cell > session_.model.InputCount)
        refusal = editor_text::kTextWrongCell;
    if (refusal) {
        session_.messages.show(MessageBox{refusal, ui_text::kCaptionWarning, MessageIcon::Warning});
        hideSignalling(row);
        return 0;
    }
    // Also when "нет сигнализации" is chosen: the cell is taken all the same.
    takeCellFromOthers(row, cell);
    if (type == 0) {
        hideSignalling(row);
        return 0;
    }
    session_.view.ShowRowSignalling(row, type << 6, cell);
    return (type << 6) | cell;
}

// Only the signalling goes: an input keeps its contact bit and a block its
// timer type, whose picture still shows it.
void Signalling::takeCellFromOthers(int row, int cell) {
    for (int other = 0; other < kSchemeRows; ++other) {
        std::uint8_t& byte = SignallingByte(session_.model, other);
        if (other == row || (byte & kCellBits) != cell)
            continue;
        byte &= kKeptBit;
        hideSignalling(other);
        session_.view.at(Family::CellNumber, other).caption = "0";
    }
}

void Signalling::hideSignalling(int row) {
    session_.view.at(Family::SignallingPanel, row).visible = false;
}
