// The main window's device and port commands, its dialogs, and the way out of
// the program.
#include "app/TForm1.h"

#include "access/gui/TFPSW.h"
#include "app/ProgramSettings.h"
#include "app/ExchangeLogWindow.h"
#include "device/gui/TFormTimeDate.h"
#include "device/gui/WaitCursor.h"
#include "editor/gui/TFormFB.h"
#include "editor/gui/TFormSig.h"
#include "editor/gui/TFormVkl.h"
#include "editor/gui/TFormVyh.h"
#include "editor/gui/TFormZa.h"
#include "link/PortSettings.h"
#include "link/gui/TFormNastr.h"
#include "link/gui/TFormPort.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

void TForm1::createDialogs() {
    passwordDialog = new TFPSW(model_, messages_, this);
    FormVkl = new TFormVkl(messages_, this);
    portDialog = new TFormPort(this);
    FormSig = new TFormSig(model_, this);
    FormZa = new TFormZa(model_, this);
    FormVyh = new TFormVyh(this);
    FormFB = new TFormFB(model_, this);
    exchangeDialog = new TFormNastr(this);
    timeDateDialog = new TFormTimeDate(model_, comPort_, messages_, clock_, this);
    connect(timeDateButton, &QPushButton::clicked, this,
            [this] { timeDateDialog->logic().ButTimeDateClick(); });
    // The clock dialog polls the device, the exchange log lists what goes over
    // the line: both stay usable while an exchange runs.
    lineWorker_.setInputPass([this](QObject* receiver) {
        return timeDateDialog->takesInput(receiver) ||
               (exchangeLogWindow_ != nullptr && exchangeLogWindow_->takesInput(receiver));
    });
    lineWorker_.setRefusalNotice([this] { showLineBusy(); });
    portSettings_ = std::make_unique<PortSettingsCommand>(comPort_, *portDialog, *exchangeDialog,
                                                          SystemPortList);
}

TForm1::~TForm1() {
    portSettings_.reset();
    delete timeDateDialog;
    delete exchangeDialog;
    delete FormFB;
    delete FormVyh;
    delete FormZa;
    delete FormSig;
    delete portDialog;
    delete FormVkl;
    delete passwordDialog;
}

void TForm1::connectLink() {
    // A port that fails under the program ends it once the command returns.
    comPort_.SetCloseRequest([this] { closeWhenIdle(); });
    comPort_.SetFrameObserver([this](LinkFrame frame) { exchangeLog_.record(std::move(frame)); });
}

namespace {

constexpr int kIdleCheckMs = 100;

} // namespace

void TForm1::connectDevice() {
    deviceRunner_ = DeviceCommandRunner([] { return std::make_shared<WaitCursor>(); });
    exit_.save = [this] { SaveScheme(); };
    exit_.transfer = [this] { OutPortClick(); };
}

bool TForm1::runDeviceCommand(const std::function<void()>& command) {
    if (deviceRunner_.run(command))
        return true;
    showLineBusy();
    return false;
}

void TForm1::InPortClick() {
    runDeviceCommand(DeviceCommandKind::Read, [this] {
        const bool read = device_.InPortClick();
        if (read)
            schemeFile_.clear();
        return read;
    });
}

void TForm1::OutPortClick() {
    runDeviceCommand(DeviceCommandKind::Write, [this] {
        const bool written = device_.OutPortClick();
        if (written)
            history_.MarkStored();
        return written;
    });
}

// The port settings open or close the port: the status bar follows.
// Only settings that opened the port are kept for the next run.
void TForm1::PortClick() {
    if (portSettings_->PortClick(model_.LinkAddressIndex) && settings_ != nullptr)
        settings_->setPort(portSettings_->Saved());
    refreshStatus();
}

void TForm1::N1ParolClick() {
    ChangePassword(model_, messages_, *passwordDialog);
    refreshStatus();
}

// "Изменить  конфигурацию" clears the scheme: changes not yet saved are offered
// for saving first, as on the way out; a save cancelled keeps the scheme.
void TForm1::changeConfiguration() {
    if (!exit_.OfferSave())
        return;
    session_.creation.ChangeConfiguration();
    history_.Restart();
    syncScheme();
}

// The port failed under the program: it ends, but only once the operator has
// read every message about it and the command under way has come back.
void TForm1::closeWhenIdle() {
    QTimer::singleShot(kIdleCheckMs, this, [this] {
        if (QApplication::activeModalWidget() != nullptr || deviceRunner_.busy())
            closeWhenIdle();
        else
            close();
    });
}

void TForm1::requestExit() {
    if (exit_.ExitCommand())
        close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (settings_ != nullptr)
        settings_->setGeometry(saveGeometry());
    exit_.Closing();
    comPort_.ClosePort();
    QMainWindow::closeEvent(event);
}
