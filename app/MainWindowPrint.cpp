// The print command of the main window.
#include "app/MainWindow.h"

void MainWindow::PrintScheme() {
    printer_.print(printCommand_, caption(), *printDialog_, proposedPdfPath());
    scrollSchemeTo(0);
}
