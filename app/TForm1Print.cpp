// The print command of the main window.
#include "app/TForm1.h"

#include <QAction>

void TForm1::bindPrintKey() {
    // Until the action table takes "Печать" over, F4 is bound here.
    auto* print = new QAction(this);
    print->setShortcut(Qt::Key_F4);
    connect(print, &QAction::triggered, this, &TForm1::PrintScheme);
    addAction(print);
}

void TForm1::PrintScheme() {
    printer_.print(printCommand_, windowTitle(), *printDialog_);
    scrollSchemeTo(0);
}
