#include "editor/OutputDelays.h"

#include "editor/CommandPreamble.h"
#include "editor/DialogNumber.h"
#include "editor/InputCommandTexts.h"
#include "editor/SchemeSession.h"
#include "editor/Signalling.h"
#include "ui/UiTexts.h"

#include <optional>

namespace {

constexpr std::uint8_t kInterlockBit = 0x80;
constexpr std::uint8_t kTenSecondUnit = 0x40;
constexpr std::uint8_t kUnitsBits = 0x3F;
constexpr int kChannelDelayByte = 3;
constexpr int kBlockDelayByte = 8;

std::uint8_t& delayByte(ConfigurationModel& model, int row) {
    if (row < kFirstBlockRow)
        return model.Channels[row][kChannelDelayByte];
    return model.FunctionBlocks[row - kFirstBlockRow][kBlockDelayByte];
}

// CheckEntry reads and resets a field; after the dialog has closed the field
// is the text it left.
class ClosedField : public EntryField {
public:
    explicit ClosedField(const QString& text) : text_(text.toStdString()) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void setErrorColour(bool) override {}

private:
    std::string text_;
};

} // namespace

void OutputDelays::editDelay() {
    CommandPreamble preamble(session_);
    ConfigurationModel& model = session_.model;
    if (!preamble.SchemeReady())
        return;
    preamble.MarkModified();
    // Without outputs there is nothing to delay; judged on the layout just computed.
    if (!preamble.SingleSelection() || !preamble.RowAvailable(model.OutputCode == 0))
        return;
    const int row = preamble.SelectedRow();
    const bool block = row >= kFirstBlockRow;
    std::uint8_t& byte = delayByte(model, row);
    DelayDialogData data;
    data.block = block;
    data.rowNumber = RowNumberText(session_.view, row);
    data.timerType = block ? model.GetFbDelayType(row - kFirstBlockRow) : 0;
    data.unit = QString::number((byte & kTenSecondUnit) ? 10 : 1);
    data.value = QString::number(byte & kUnitsBits);
    dialog_.exec(data);

    Delay delay;
    const std::optional<int> unit = DialogNumber(data.unit, session_.messages);
    const std::optional<int> value = unit ? DialogNumber(data.value, session_.messages) : unit;
    if (!unit || !value)
        return;
    delay.unit = *unit;
    delay.value = *value;
    delay.timerType = block ? (data.timerType != 0 ? 1 : 0) : 0;
    const bool valid = checkDelay(delay, data);
    showDelay(row, delay, valid);
    byte = static_cast<std::uint8_t>(delay.value | (delay.unit == 10 ? kTenSecondUnit : 0) |
                                     (byte & kInterlockBit));
    if (block)
        model.SetFbDelayType(row - kFirstBlockRow, delay.timerType);
    session_.view.RefreshRowLines();
}

bool OutputDelays::checkDelay(Delay& delay, const DelayDialogData& data) {
    ConfigurationModel& model = session_.model;
    const char* refusal = nullptr;
    if (delay.unit == 0) {
        refusal = editor_text::kTextNoDelayUnit;
    } else if (delay.value == 0) {
        refusal = editor_text::kTextNoDelayValue;
    } else if (ClosedField value(data.value); model.CheckEntry(value, kEntryDelayValue) != 0) {
        refusal = editor_text::kTextNoDelayValue;
    } else if (ClosedField unit(data.unit); model.CheckEntry(unit, kEntryDelayUnit) != 0) {
        delay.unit = 0;
        refusal = editor_text::kTextNoDelayUnit;
    }
    if (refusal == nullptr)
        return true;
    delay.value = 0;
    delay.timerType = 0;
    session_.messages.show(MessageBox{refusal, ui_text::kCaptionWarning, MessageIcon::Warning});
    return false;
}

void OutputDelays::showDelay(int row, const Delay& delay, bool valid) {
    SchemeView& view = session_.view;
    Element& panel = view.at(Family::DelayPanel, row);
    Element& shown = view.at(Family::DelayValue, row);
    panel.visible = shown.visible = valid;
    shown.caption = valid ? QString::number(delay.value * delay.unit) : QString("00");
    if (row < kFirstBlockRow)
        return;
    const int block = row - kFirstBlockRow;
    if (valid)
        view.showBlockTimer(block, delay.timerType);
    else
        view.at(Family::BlockTimerPicture, block).visible = false;
}
