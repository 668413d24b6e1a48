#include "editor/OutputsCommand.h"

#include "editor/CommandPreamble.h"
#include "editor/SchemeSession.h"
#include "editor/Signalling.h"

namespace {

constexpr std::uint8_t kInterlockBit = 0x80;
constexpr int kBlockRowBytes = 5; // bytes 5..8 of a block read like a channel record

} // namespace

void OutputsCommand::editOutputs() {
    CommandPreamble preamble(session_);
    if (!preamble.SchemeReady())
        return;
    preamble.MarkModified();
    // A device without relay outputs has nothing to program, whatever the row.
    if (!preamble.SingleSelection() || !preamble.RowAvailable(session_.model.OutputCode == 0))
        return;
    const int row = preamble.SelectedRow();
    std::uint8_t* record = rowRecord(row);
    OutputsDialogData data = prepare(row, record);
    dialog_.exec(data);
    apply(row, record, data);
}

std::uint8_t* OutputsCommand::rowRecord(int row) {
    ConfigurationModel& model = session_.model;
    if (row < kFirstBlockRow)
        return model.Channels[row].data();
    return model.FunctionBlocks[row - kFirstBlockRow].data() + kBlockRowBytes;
}

OutputsDialogData OutputsCommand::prepare(int row, const std::uint8_t* record) const {
    const SchemeView& view = session_.view;
    OutputsDialogData data;
    data.channelRow = row < kFirstBlockRow;
    data.rowCaption = RowNumberText(view, row).toStdString();
    data.mr1Outputs = session_.model.Mr1OutputCount;
    data.mr2Outputs = session_.model.Mr2OutputCount;
    data.mr1Mask = record[1];
    data.mr2Mask = record[2];
    data.interlock = (record[3] & kInterlockBit) != 0;
    return data;
}

void OutputsCommand::apply(int row, std::uint8_t* record, const OutputsDialogData& data) {
    // A row that drives no output cannot interlock anything.
    const bool drives = data.mr1Mask != 0 || data.mr2Mask != 0;
    const std::uint8_t interlock = data.interlock && drives ? kInterlockBit : 0;
    SchemeView& view = session_.view;
    view.ShowRowOutputs(row, data.mr1Mask, data.mr2Mask, interlock);
    record[1] = data.mr1Mask;
    record[2] = data.mr2Mask;
    record[3] = static_cast<std::uint8_t>((record[3] & ~kInterlockBit) | interlock);
    view.RefreshRowLines();
    view.RefreshOutputWiring();
}
