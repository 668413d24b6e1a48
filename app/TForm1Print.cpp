// The print command of the main window.
#include "app/TForm1.h"

void TForm1::PrintScheme() {
    printer_.print(printCommand_, caption(), *printDialog_, proposedPdfPath());
    scrollSchemeTo(0);
}
