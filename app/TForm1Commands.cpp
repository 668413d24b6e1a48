// The programming commands as the main window runs them: the core command with
// the window's dialog, then the scheme repainted.
#include "app/TForm1.h"

#include "editor/FunctionBlockCommand.h"
#include "editor/OutputsCommand.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/TFormFB.h"
#include "editor/gui/TFormVyh.h"

void TForm1::VyhClick() {
    OutputsCommand(session_, *outputsDialog_).VyhClick();
    canvas_->update();
}

void TForm1::ANDClick() {
    // The command itself fits the scroll range and scrolls to the block.
    FunctionBlockCommand(session_, *blockDialog_).ANDClick();
    canvas_->update();
}
