#include "app/TForm1.h"

#include "link/gui/LinkMenu.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K");
    resize(843, 677);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // A port that fails under the program ends it once the command returns.
    comPort.SetCloseRequest(
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    // No device-address list yet: exchanges report device 1.
    addLinkMenu(menuBar(), this, comPort, [] { return 0; });
}
