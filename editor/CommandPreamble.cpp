#include "editor/CommandPreamble.h"

#include "editor/EditorTexts.h"
#include "editor/SchemeSession.h"
#include "ui/UiTexts.h"

using namespace editor_text;

bool CommandPreamble::SchemeReady() {
    ConfigurationModel& model = session_.model;
    if (model.SchemeCreated == 0) {
        if (session_.creation.PromptCreateScheme())
            session_.window.requestExit();
        return false;
    }
    if (model.CheckExecCode(&session_.window.firstCodeField(), &session_.window.secondCodeField()))
        return false;
    model.ComputeLayout();
    return true;
}

void CommandPreamble::MarkModified() {
    session_.model.Modified = 1;
}

bool CommandPreamble::SingleSelection() {
    const ConfigurationModel& model = session_.model;
    if (model.SelectedInput >= 0 && model.SelectedFb >= 0) {
        warn(kTextSeveralSelected);
        return false;
    }
    if (model.SelectedInput < 0 && model.SelectedFb < 0) {
        warn(kTextNothingSelected);
        return false;
    }
    return true;
}

bool CommandPreamble::RowAvailable(bool alsoRefuse) {
    ConfigurationModel& model = session_.model;
    const bool ackOn = (model.GetDeviceByte() & kExternalAckBit) != 0;
    const bool ackInput = ackOn && model.SelectedInput >= 0 &&
                          model.ImageIndexOfSlot(model.SelectedInput) == model.ChannelCount - 1;
    if (ackInput || alsoRefuse) {
        RefuseFunction();
        return false;
    }
    return true;
}

int CommandPreamble::Run(bool alsoRefuse) {
    if (!SchemeReady())
        return -1;
    MarkModified();
    if (!SingleSelection() || !RowAvailable(alsoRefuse))
        return -1;
    return SelectedRow();
}

int CommandPreamble::SelectedRow() const {
    const ConfigurationModel& model = session_.model;
    if (model.SelectedInput >= 0)
        return model.SelectedInput;
    return model.SelectedFb >= 0 ? kFirstBlockRow + model.SelectedFb : -1;
}

void CommandPreamble::RefuseFunction() {
    warn(kTextFunctionUnavailable);
}

void CommandPreamble::warn(const char* text) {
    session_.messages.show(MessageBox{text, ui_text::kCaptionWarning, MessageIcon::Warning});
}
