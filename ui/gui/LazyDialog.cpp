#include "ui/gui/LazyDialog.h"

void LazyDialog::ensureBuilt() {
    if (built_)
        return;
    built_ = true;
    build();
}

// Built before the show itself, so that the children are shown with the dialog
// and its layout is measured with them.
void LazyDialog::setVisible(bool visible) {
    if (visible)
        ensureBuilt();
    QDialog::setVisible(visible);
}
