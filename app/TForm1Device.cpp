// The main window's device and port commands, its dialogs, and the way out of
// the program.
#include "app/TForm1.h"

#include "access/gui/TFPSW.h"
#include "device/gui/WaitCursor.h"
#include "editor/gui/TFormSig.h"
#include "editor/gui/TFormVkl.h"
#include "editor/gui/TFormZa.h"
#include "link/PortSettings.h"
#include "link/gui/TFormNastr.h"
#include "link/gui/TFormPort.h"

#include <QCloseEvent>

void TForm1::createDialogs() {
    passwordDialog = new TFPSW(model_, messages_, this);
    FormVkl = new TFormVkl(messages_, this);
    portDialog = new TFormPort(this);
    FormSig = new TFormSig(model_, this);
    FormZa = new TFormZa(model_, this);
    // TFormVyh, TFormFB: outputs and function blocks.
    exchangeDialog = new TFormNastr(this);
    // TFormTimeDate: the device clock.
    portSettings_ = std::make_unique<PortSettingsCommand>(comPort_, *portDialog, *exchangeDialog,
                                                          SystemPortList);
}

TForm1::~TForm1() {
    portSettings_.reset();
    delete exchangeDialog;
    delete FormZa;
    delete FormSig;
    delete portDialog;
    delete FormVkl;
    delete passwordDialog;
}

void TForm1::connectLink() {
    // A port that fails under the program ends it once the command returns.
    comPort_.SetCloseRequest(
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
}

void TForm1::connectDevice() {
    deviceRunner_ = DeviceCommandRunner([] { return std::make_shared<WaitCursor>(); });
    exit_.save = [this] { SaveScheme(); };
    exit_.transfer = [this] { OutPortClick(); };
}

bool TForm1::runDeviceCommand(const std::function<void()>& command) {
    return deviceRunner_.run(command);
}

void TForm1::InPortClick() {
    runDeviceCommand([this] { device_.InPortClick(); });
}

void TForm1::OutPortClick() {
    runDeviceCommand([this] { device_.OutPortClick(); });
}

void TForm1::PortClick() {
    portSettings_->PortClick(model_.LinkAddressIndex);
}

void TForm1::N1ParolClick() {
    ChangePassword(model_, messages_, *passwordDialog);
}

void TForm1::requestExit() {
    if (exit_.ExitCommand())
        close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    exit_.Closing();
    comPort_.ClosePort();
    QMainWindow::closeEvent(event);
}
