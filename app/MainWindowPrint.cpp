// The print commands of the main window.
#include "app/MainWindow.h"

void MainWindow::PrintScheme() {
    printer_.print(printCommand_, caption(), *printDialog_, proposedPdfPath());
    scrollSchemeTo(0);
}

void MainWindow::saveSchemeAsPdf() {
    printer_.saveAsPdf(printCommand_, caption(), proposedPdfPath());
    scrollSchemeTo(0);
}
