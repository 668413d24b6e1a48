#include "editor/InputProcessing.h"

#include "editor/CommandPreamble.h"
#include "editor/EditorTexts.h"
#include "editor/InputCommandTexts.h"
#include "editor/SchemeSession.h"
#include "ui/UiTexts.h"

namespace {

constexpr std::uint8_t kContactBit = 0x20;
const QString kBlankName(10, QChar(' '));

} // namespace

void InputProcessing::editInclusion() {
    CommandPreamble preamble(session_);
    if (!preamble.SchemeReady())
        return;
    // Finishes an output name being edited in place before anything else.
    session_.window.focusFirstControl();
    preamble.MarkModified();
    if (!inputAvailable() || !preamble.RowAvailable())
        return;
    const int slot = session_.model.SelectedInput;
    SchemeView& view = session_.view;
    InclusionDialogData data;
    data.inputNumber = view.at(Family::InputNumber, slot).caption;
    data.name = view.at(Family::InputName, slot).caption;
    // The toggle is enabled exactly while the input is included.
    data.included = view.at(Family::ContactToggle, slot).enabled;
    dialog_.exec(data);
    view.at(Family::InputName, slot).caption = data.name.isEmpty() ? kBlankName : data.name;
    SetInputIncluded(data.included);
}

// Only an input has an inclusion and a name: a selected block alone is "no input".
bool InputProcessing::inputAvailable() {
    const ConfigurationModel& model = session_.model;
    const char* refusal = nullptr;
    if (model.SelectedInput < 0)
        refusal = editor_text::kTextNoInputSelected;
    else if (model.SelectedFb >= 0)
        refusal = editor_text::kTextSeveralSelected;
    if (refusal)
        session_.messages.show(MessageBox{refusal, ui_text::kCaptionWarning, MessageIcon::Warning});
    return refusal == nullptr;
}

void InputProcessing::SetInputIncluded(bool included) {
    ConfigurationModel& model = session_.model;
    const int slot = model.SelectedInput;
    Element& toggle = session_.view.at(Family::ContactToggle, slot);
    model.Included[model.ImageIndexOfSlot(slot)] = included ? 1 : 0;
    // Excluding keeps the contact bit and the toggle's pressed state.
    if (included)
        toggle.pressed = (model.Channels[slot][0] & kContactBit) != 0;
    toggle.enabled = included;
    model.PackInclusion();
}

void InputProcessing::toggleContact(int slot) {
    Element& toggle = session_.view.at(Family::ContactToggle, slot);
    if (!toggle.enabled || !toggle.visible)
        return;
    toggle.pressed = !toggle.pressed;
    session_.model.Modified = 1;
    session_.model.SetContactBit(slot, toggle.pressed ? kContactBit : 0);
}
