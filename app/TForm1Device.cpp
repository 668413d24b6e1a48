// The main window's device commands and the way out of the program.
#include "app/TForm1.h"

#include "device/DeviceTexts.h"
#include "device/gui/WaitCursor.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

using namespace device_text;

void TForm1::connectDevice() {
    deviceRunner_ = DeviceCommandRunner([] { return std::make_shared<WaitCursor>(); });
    QMenu* port = menuBar()->addMenu(QString::fromUtf8(kMenuPort));
    port->setObjectName("N2Port");
    auto portAction = [this, port](const char* name, const char* caption, Qt::Key key,
                                   void (DeviceConfiguration::*command)()) {
        QAction* action = port->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        action->setToolTip(QString::fromUtf8(caption));
        action->setShortcut(key);
        addAction(action); // the key works wherever the focus is in the window
        connect(action, &QAction::triggered, this,
                [this, command] { runDeviceCommand([this, command] { (device_.*command)(); }); });
        return action;
    };
    AInPort = portAction("AInPort", kActionInPort, Qt::Key_F9, &DeviceConfiguration::InPortClick);
    AOutPort =
        portAction("AOutPort", kActionOutPort, Qt::Key_F10, &DeviceConfiguration::OutPortClick);
    exit_.save = [this] { SaveScheme(); };
    exit_.transfer = [this] { runDeviceCommand([this] { device_.OutPortClick(); }); };
}

bool TForm1::runDeviceCommand(const std::function<void()>& command) {
    return deviceRunner_.run(command);
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
