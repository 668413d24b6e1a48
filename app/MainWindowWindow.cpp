// The main window as the load, save and transfer commands see it.
#include "app/MainWindow.h"

#include "editor/gui/SchemeCanvas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

void MainWindow::showExecCode(int first, int second) {
    firstCodeEdit->setText(QString::number(first));
    secondCodeEdit->setText(QString::number(second));
}

void MainWindow::selectLinkAddress(int index) {
    linkAddressBox->setCurrentIndex(index);
}

void MainWindow::selectDeviceNumber(int index) {
    schemeDeviceNumberBox->setCurrentIndex(index);
}

// Qt shows the modified mark in place of "[*]".
void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption) + "[*]");
    showModified();
}

void MainWindow::setTimeDateEnabled(bool enabled) {
    timeDateButton->setEnabled(enabled);
}

bool MainWindow::externalAckDown() const {
    return externalAckButton->isChecked();
}

void MainWindow::scrollSchemeToTop() {
    syncScheme();
    scrollSchemeTo(0);
}

void MainWindow::focusScheme() {
    canvas_->setFocus();
}

void MainWindow::focusFirstControl() {
    linkAddressBox->setFocus();
}
