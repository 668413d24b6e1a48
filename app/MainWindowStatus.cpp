// The main window's status bar: the port, the access level and the device that
// exchanges go to, and what the device commands are doing.
#include "app/LineWindow.h"
#include "app/MainWindow.h"
#include "device/DeviceTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

namespace {

QLabel* PermanentField(QStatusBar* bar, const char* name) {
    auto* field = new QLabel(bar);
    field->setObjectName(name);
    field->setContentsMargins(6, 0, 6, 0);
    bar->addPermanentWidget(field);
    return field;
}

} // namespace

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    portStatus_ = PermanentField(bar, "portStatus");
    accessStatus_ = PermanentField(bar, "accessStatus");
    deviceStatus_ = PermanentField(bar, "deviceStatus");
    refreshStatus();
}

void MainWindow::refreshStatus() {
    portStatus_->setText(QString::fromStdString(PortStatusText(comPort_)));
    accessStatus_->setText(QString::fromStdString(AccessStatusText(model_)));
    deviceStatus_->setText(
        QString::fromStdString(DeviceStatusText(linkAddressBox->currentIndex())));
    showModified();
}

void MainWindow::showLineBusy() {
    statusBar()->showMessage(QString::fromUtf8(device_text::kStatusLineBusy), kOutcomeShownMs);
    if (lineWindow_ != nullptr)
        lineWindow_->showLineBusy();
}

bool MainWindow::runDeviceCommand(DeviceCommandKind kind, const std::function<bool()>& command) {
    return runDeviceCommand([this, kind, &command] {
        const int address = model_.LinkAddressIndex;
        auto progress = [this, kind, address](int attempt) {
            statusBar()->showMessage(
                QString::fromStdString(ProgressStatusText(kind, address, attempt)));
        };
        progress(1);
        lastResult_ = kResultOk;
        comPort_.SetObserver({progress, [this](ExchangeResult result) { lastResult_ = result; }});
        const bool done = command();
        comPort_.SetObserver({});
        lastOutcome_ = QString::fromStdString(OutcomeStatusText(kind, address, done, lastResult_));
        if (!reopenNotice_.isEmpty())
            lastOutcome_ = reopenNotice_ + "; " + lastOutcome_;
        statusBar()->showMessage(lastOutcome_, kOutcomeShownMs);
        refreshStatus();
    });
}

void MainWindow::forgetOutcome() {
    if (!lastOutcome_.isEmpty() && statusBar()->currentMessage() == lastOutcome_)
        statusBar()->clearMessage();
}
