#include "editor/FunctionBlockCommand.h"

#include "editor/CommandPreamble.h"
#include "editor/FunctionBlockTexts.h"
#include "editor/SchemeSession.h"
#include "model/DecimalText.h"
#include "ui/UiTexts.h"

using namespace editor_text;

namespace {

constexpr std::uint8_t kTypeBits = 0x0F;
constexpr int kHysteresis = 5;
constexpr int kHysteresisInputs = 2;
constexpr std::uint8_t kDirectBit = 0x80;
constexpr std::uint8_t kFromBlockBit = 0x40;
constexpr std::uint8_t kNumberBits = 0x3F;
constexpr int kScrollMargin = 2;

// The entry routines work on fields; after the dialog has closed, its answer is
// the field.
class AnswerField : public EntryField {
public:
    explicit AnswerField(std::string& text) : text_(text) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void setErrorColour(bool) override {}

private:
    std::string& text_;
};

// An empty field means "00"; what is no number at all reads -1.
int numberOf(const std::string& text) {
    return text.empty() ? 0 : ParseFieldNumber(text).value_or(-1);
}

// A selector with nothing chosen counts as its first item.
std::uint8_t itemBit(int item) {
    return item == 1 ? 1 : 0;
}

} // namespace

void FunctionBlockCommand::editFunctionBlock() {
    CommandPreamble preamble(session_);
    if (!preamble.SchemeReady())
        return;
    preamble.MarkModified();
    ConfigurationModel& model = session_.model;
    if (model.OutputCode == 0) {
        preamble.RefuseFunction();
        return;
    }
    // With external acknowledge on, the last channel is the acknowledge input.
    const bool ackOn = (model.GetDeviceByte() & kExternalAckBit) != 0;
    const int channelLimit = ackOn ? model.ChannelCount - 1 : model.ChannelCount;
    dropInputSelection();
    bool creating = false;
    const int block = chooseBlock(creating);
    if (block < 0)
        return;
    FbDialogData data = fill(block, creating);
    dialog_.exec(data);
    // Nothing chosen in the type list counts as its first item, which deletes.
    const int type = data.type >= 0 && data.type <= kHysteresis ? data.type : 0;
    for (int k = 0; k < 4; ++k) {
        FbInputEntry& entry = data.inputs[k];
        // A hysteresis block has two inputs; the other two stay unconnected.
        const bool unused = type == kHysteresis && k >= kHysteresisInputs;
        entry.number = std::to_string(unused ? 0 : checkedNumber(entry, channelLimit));
    }
    if (type != 0)
        store(block, type, data);
    else
        remove(block);
    finish(block, type == 0);
}

void FunctionBlockCommand::dropInputSelection() {
    ConfigurationModel& model = session_.model;
    if (model.SelectedInput < 0)
        return;
    session_.view.at(Family::InputNumber, model.SelectedInput).back = colours::buttonFace;
    model.SelectedInput = -1;
}

int FunctionBlockCommand::chooseBlock(bool& creating) {
    ConfigurationModel& model = session_.model;
    if (model.SelectedFb >= 0 && model.UsedFbCount > 0) {
        creating = false;
        return model.SelectedFb;
    }
    int free = -1;
    for (int j = 0; j < kFunctionBlocks && free < 0; ++j)
        if (model.FunctionBlocks[j][0] == 0)
            free = j;
    if (free < 0 || model.UsedFbCount >= kFunctionBlocks) {
        session_.messages.show(
            MessageBox{kTextNoFreeBlock, ui_text::kCaptionWarning, MessageIcon::Warning});
        return -1;
    }
    creating = true;
    model.SelectedFb = free;
    ++model.UsedFbCount;
    session_.view.at(Family::BlockNumber, free).back = colours::aqua;
    return free;
}

FbDialogData FunctionBlockCommand::fill(int block, bool creating) const {
    const FbRecord& record = session_.model.FunctionBlocks[block];
    FbDialogData data;
    data.blockNumber = session_.view.at(Family::BlockNumber, block).caption.toStdString();
    data.creating = creating;
    data.type = record[0] & 7;
    for (int k = 0; k < 4; ++k) {
        const std::uint8_t in = record[1 + k];
        FbInputEntry& entry = data.inputs[k];
        entry.kind = (in & kDirectBit) ? 1 : 0;
        entry.source = (in & kFromBlockBit) ? 1 : 0;
        // A hysteresis block's last two fields are shut and read 0.
        entry.enabled = !(data.type == kHysteresis && k >= kHysteresisInputs);
        entry.number = std::to_string(entry.enabled ? in & kNumberBits : 0);
    }
    return data;
}

int FunctionBlockCommand::checkedNumber(FbInputEntry& entry, int channelLimit) {
    ConfigurationModel& model = session_.model;
    AnswerField field(entry.number);
    const int n = numberOf(entry.number);
    if (entry.source != 1) {
        if (n < 0 || n > channelLimit)
            model.ShowEntryError(field);
    } else if (n < 0 || n > kFunctionBlocks) {
        // Only 13 records exist: a higher number names nothing.
        model.ShowEntryError(field);
    } else if (n != 0 && (model.FunctionBlocks[n - 1][0] & kTypeBits) == 0) {
        model.ShowEntryError(field);
        session_.messages.show(
            MessageBox{kTextBlockNotProgrammed, ui_text::kCaptionWarning, MessageIcon::Warning});
        field.setText("00");
    }
    return numberOf(field.text());
}

void FunctionBlockCommand::store(int block, int type, const FbDialogData& data) {
    FbRecord& record = session_.model.FunctionBlocks[block];
    record[0] = static_cast<std::uint8_t>(type);
    for (int k = 0; k < 4; ++k) {
        const FbInputEntry& entry = data.inputs[k];
        record[1 + k] = static_cast<std::uint8_t>(itemBit(entry.kind) * kDirectBit +
                                                  itemBit(entry.source) * kFromBlockBit +
                                                  (numberOf(entry.number) & kNumberBits));
    }
    session_.view.showBlock(block, record);
}

void FunctionBlockCommand::remove(int block) {
    SchemeView& view = session_.view;
    ConfigurationModel& model = session_.model;
    const int row = kFirstBlockRow + block;
    view.at(Family::BlockTypePicture, block).picture = Picture::None;
    // The timer picture goes with the block's delay, so that a free record
    // draws nothing.
    for (Family f : {Family::BlockBody, Family::BlockOutputInversion, Family::BlockTimerPicture})
        view.at(f, block).visible = false;
    for (int k = 0; k < 4; ++k)
        view.HideBlockInput(4 * block + k);
    for (Family f :
         {Family::RowLine, Family::SignallingPanel, Family::DelayPanel, Family::OutputsPanel})
        view.at(f, row).visible = false;
    clearReferencesTo(block);
    model.FunctionBlocks[block].fill(0);
    view.RefreshOutputWiring();
    view.at(Family::BlockNumber, block).back = colours::buttonFace;
    model.SelectedFb = -1;
    --model.UsedFbCount;
}

// Every block that takes the deleted block's output, lower-numbered ones too,
// is left unconnected there: the free record is reused by the next block created,
// which must not feed them unasked.
void FunctionBlockCommand::clearReferencesTo(int block) {
    ConfigurationModel& model = session_.model;
    for (int i = 0; i < kFunctionBlocks; ++i) {
        for (int k = 0; k < 4; ++k) {
            std::uint8_t& in = model.FunctionBlocks[i][1 + k];
            if ((in & kFromBlockBit) == 0 || (in & kNumberBits) != block + 1)
                continue;
            in = kFromBlockBit;
            const int input = 4 * i + k;
            session_.view.HideBlockInput(input);
            session_.view.at(Family::BlockInputKind, input).caption = QString();
            session_.view.at(Family::BlockInputNumber, input).caption = "00";
        }
    }
}

// Fits the scroll range to the visible groups and brings an edited block into
// view; after a deletion the view stays where it was, within the new range.
void FunctionBlockCommand::finish(int block, bool removed) {
    SchemeView& view = session_.view;
    view.RefreshBlockWiring();
    session_.window.syncScheme();
    if (removed || !view.group(BlockGroup).visible)
        return;
    session_.window.scrollSchemeTo(view.group(BlockGroup).top +
                                   view.at(Family::BlockBody, block).rect.y - kScrollMargin);
}
