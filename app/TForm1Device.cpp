// The main window's device commands and the way out of the program.
#include "app/TForm1.h"

#include "device/DeviceTexts.h"
#include "device/gui/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

using namespace device_text;

namespace {

constexpr int kIdleCheckMs = 100;

} // namespace

void TForm1::connectDevice() {
    deviceRunner_ = DeviceCommandRunner([] { return std::make_shared<WaitCursor>(); });
    QMenu* port = menuBar()->addMenu(QString::fromUtf8(kMenuPort));
    port->setObjectName("N2Port");
    auto portAction = [this, port](const char* name, const char* caption, Qt::Key key,
                                   DeviceCommandKind kind, bool (DeviceConfiguration::*command)()) {
        QAction* action = port->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        action->setToolTip(QString::fromUtf8(caption));
        action->setShortcut(key);
        addAction(action); // the key works wherever the focus is in the window
        connect(action, &QAction::triggered, this, [this, kind, command] {
            runDeviceCommand(kind, [this, command] { return (device_.*command)(); });
        });
        return action;
    };
    AInPort = portAction("AInPort", kActionInPort, Qt::Key_F9, DeviceCommandKind::Read,
                         &DeviceConfiguration::InPortClick);
    AOutPort = portAction("AOutPort", kActionOutPort, Qt::Key_F10, DeviceCommandKind::Write,
                          &DeviceConfiguration::OutPortClick);
    exit_.save = [this] { SaveScheme(); };
    exit_.transfer = [this] {
        runDeviceCommand(DeviceCommandKind::Write, [this] { return device_.OutPortClick(); });
    };
}

bool TForm1::runDeviceCommand(const std::function<void()>& command) {
    return deviceRunner_.run(command);
}

// "Изменить  конфигурацию" clears the scheme: changes not yet saved are offered
// for saving first, as on the way out; a save cancelled keeps the scheme.
void TForm1::changeConfiguration() {
    if (!exit_.OfferSave())
        return;
    session_.creation.ChangeConfiguration();
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
    exit_.Closing();
    comPort_.ClosePort();
    QMainWindow::closeEvent(event);
}
