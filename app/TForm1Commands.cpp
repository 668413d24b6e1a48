// The programming commands of the main window: each runs its core command on
// the window's dialog and repaints the scheme.
#include "app/TForm1.h"

#include "editor/FunctionBlockCommand.h"
#include "editor/InputProcessing.h"
#include "editor/OutputDelays.h"
#include "editor/OutputsCommand.h"
#include "editor/Signalling.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/TFormFB.h"
#include "editor/gui/TFormSig.h"
#include "editor/gui/TFormVkl.h"
#include "editor/gui/TFormVyh.h"
#include "editor/gui/TFormZa.h"

void TForm1::NTextClick() {
    InputProcessing(session_, *FormVkl).NTextClick();
    canvas_->update();
}

void TForm1::SignClick() {
    Signalling(session_, *FormSig).SignClick();
    canvas_->update();
}

void TForm1::ZaderClick() {
    OutputDelays(session_, *FormZa).ZaderClick();
    canvas_->update();
}

void TForm1::NOTVh11Click(int slot) {
    InputProcessing(session_, *FormVkl).NOTVh11Click(slot);
    canvas_->update();
}

void TForm1::VyhClick() {
    OutputsCommand(session_, *FormVyh).VyhClick();
    canvas_->update();
}

void TForm1::ANDClick() {
    // The command itself fits the scroll range and scrolls to the block.
    FunctionBlockCommand(session_, *FormFB).ANDClick();
    canvas_->update();
}
