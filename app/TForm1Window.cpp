// The main window as the load, save and transfer commands see it.
#include "app/TForm1.h"

#include "editor/gui/SchemeCanvas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

void TForm1::showExecCode(int first, int second) {
    firstCodeEdit->setText(QString::number(first));
    secondCodeEdit->setText(QString::number(second));
}

void TForm1::selectLinkAddress(int index) {
    linkAddressBox->setCurrentIndex(index);
}

void TForm1::selectDeviceNumber(int index) {
    schemeDeviceNumberBox->setCurrentIndex(index);
}

// Qt shows the modified mark in place of "[*]".
void TForm1::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption) + "[*]");
    showModified();
}

void TForm1::setTimeDateEnabled(bool enabled) {
    timeDateButton->setEnabled(enabled);
}

bool TForm1::externalAckDown() const {
    return externalAckButton->isChecked();
}

void TForm1::scrollSchemeToTop() {
    syncScheme();
    scrollSchemeTo(0);
}

void TForm1::focusScheme() {
    canvas_->setFocus();
}

void TForm1::focusFirstControl() {
    linkAddressBox->setFocus();
}
