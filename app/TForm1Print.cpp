// The print command of the main window.
#include "app/TForm1.h"

void TForm1::PrintScheme() {
    printer_.print(printCommand_, windowTitle(), *printDialog_);
    scrollSchemeTo(0);
}
