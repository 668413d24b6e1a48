// The main window's device and port commands, its dialogs, and the way out of
// the program.
#include "app/MainWindow.h"

#include "access/gui/QtPasswordDialog.h"
#include "app/LineWindow.h"
#include "app/ProgramSettings.h"
#include "device/PortBeforeCommand.h"
#include "device/gui/QtClockDialog.h"
#include "device/gui/WaitCursor.h"
#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtFunctionBlockDialog.h"
#include "editor/gui/QtInclusionDialog.h"
#include "editor/gui/QtOutputsDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "link/PortSettings.h"
#include "link/gui/ExchangeLogWindow.h"
#include "link/gui/QtExchangeDialog.h"
#include "link/gui/QtPortDialog.h"
#include "print/gui/CauseEffectWindow.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QStatusBar>

void MainWindow::createDialogs() {
    passwordDialog = new QtPasswordDialog(model_, messages_, this);
    inclusionDialog = new QtInclusionDialog(messages_, this);
    portDialog = new QtPortDialog(this);
    signallingDialog = new QtSignallingDialog(model_, this);
    delayDialog = new QtDelayDialog(model_, this);
    outputsDialog = new QtOutputsDialog(this);
    blockDialog = new QtFunctionBlockDialog(model_, this);
    exchangeDialog = new QtExchangeDialog(this);
    timeDateDialog = new QtClockDialog(model_, comPort_, messages_, clock_, this);
    connect(timeDateButton, &QPushButton::clicked, this,
            [this] { timeDateDialog->logic().openClockDialog(); });
    // The clock dialog polls the device, the exchange log lists what goes over
    // the line: both stay usable while an exchange runs.
    lineWorker_.setInputPass([this](QObject* receiver) {
        return timeDateDialog->takesInput(receiver) ||
               (exchangeLogWindow_ != nullptr && exchangeLogWindow_->takesInput(receiver)) ||
               (lineWindow_ != nullptr && lineWindow_->takesInput(receiver));
    });
    lineWorker_.setRefusalNotice([this] { showLineBusy(); });
    portSettings_ = std::make_unique<PortSettingsCommand>(
        comPort_, *portDialog, *exchangeDialog, [] { return portsAndPrinters().portList(); });
}

MainWindow::~MainWindow() {
    if (lineWindow_ != nullptr)
        lineWindow_->close(); // remembers its place
    delete lineWindow_;       // its exchanges run on the window's line
    // It follows the scheme's history, which goes before the window's children do.
    delete findChild<CauseEffectWindow*>();
    portSettings_.reset();
    delete timeDateDialog;
    delete exchangeDialog;
    delete blockDialog;
    delete outputsDialog;
    delete delayDialog;
    delete signallingDialog;
    delete portDialog;
    delete inclusionDialog;
    delete passwordDialog;
}

void MainWindow::connectLink() {
    // A port that fails under the program is closed and the program goes on:
    // the status bar says why.
    comPort_.SetPortLostNotice([this] { refreshStatus(); });
    comPort_.SetFrameObserver([this](LinkFrame frame) { exchangeLog_.record(std::move(frame)); });
}

void MainWindow::connectDevice() {
    deviceRunner_ = DeviceCommandRunner([] { return std::make_shared<WaitCursor>(); });
    exit_.save = [this] { SaveScheme(); };
    exit_.transfer = [this] { writeDevice(); };
}

// A port lost under an earlier command is opened again first; one that stays
// closed is named and the command sends nothing.
bool MainWindow::runDeviceCommand(const std::function<void()>& command) {
    const bool ran = deviceRunner_.run([this, &command] {
        std::string reopened;
        const bool ready = PortReadyForCommand(comPort_, reopened);
        reopenNotice_ = QString::fromStdString(reopened);
        refreshStatus();
        if (!reopened.empty())
            statusBar()->showMessage(reopenNotice_, kOutcomeShownMs);
        if (ready)
            command();
    });
    if (ran)
        return true;
    showLineBusy();
    return false;
}

// A read replaces the scheme: changes not yet saved are offered for saving
// first, as before opening a file.
void MainWindow::readDevice() {
    if (exit_.OfferSave())
        readOfferedDevice();
}

void MainWindow::readOfferedDevice() {
    runDeviceCommand(DeviceCommandKind::Read, [this] {
        const bool read = device_.readDevice();
        if (read)
            schemeFile_.clear();
        return read;
    });
}

void MainWindow::writeDevice() {
    runDeviceCommand(DeviceCommandKind::Write, [this] {
        const bool written = device_.writeDevice();
        if (written) {
            history_.MarkStored();
            forgetDifferenceMarks();
        }
        return written;
    });
}

// The port settings open or close the port: the status bar follows.
// Only settings that opened the port are kept for the next run.
void MainWindow::showPortSettings() {
    if (portSettings_->showPortSettings(model_.LinkAddressIndex) && settings_ != nullptr)
        settings_->setPort(portSettings_->Saved());
    refreshStatus();
}

void MainWindow::changePassword() {
    ChangePassword(model_, messages_, *passwordDialog);
    refreshStatus();
}

// "Изменить  конфигурацию" clears the scheme: changes not yet saved are offered
// for saving first, as on the way out; a save cancelled keeps the scheme.
void MainWindow::changeConfiguration() {
    if (!exit_.OfferSave())
        return;
    session_.creation.ChangeConfiguration();
    // Nothing is left that a save could write.
    model_.Modified = 0;
    forgetOutcome();
    history_.Restart();
    syncScheme();
}

void MainWindow::requestExit() {
    if (exit_.ExitCommand())
        close();
}

// However the window is closed: changes the operator wanted kept but that
// could not be saved keep the program running, with the scheme as it is.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exit_.Closing()) {
        event->ignore();
        return;
    }
    if (settings_ != nullptr)
        settings_->setGeometry(saveGeometry());
    comPort_.ClosePort();
    QMainWindow::closeEvent(event);
}
