// The scheme file commands of the main window.
#include "app/TForm1.h"

#include "editor/gui/SchemeCanvas.h"

void TForm1::OpenScheme() {
    fileCommands_.OpenScheme();
    canvas_->update();
}

void TForm1::SaveScheme() {
    fileCommands_.SaveScheme();
    canvas_->update();
}
