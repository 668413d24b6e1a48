#include "app/TForm1.h"

#include "access/gui/TFPSW.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <utility>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K");
    resize(843, 677);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FPSW = new TFPSW(model_, messages_, this);
    QAction* AParol = menuBar()->addMenu("   Пароль")->addAction("Замена пароля", this, [this] {
        ChangePassword(model_, messages_, *FPSW);
    });
    AParol->setShortcut(Qt::Key_F8);
}

// The password decides the access level before the window can be used; the
// check runs once the window is on screen.
void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (std::exchange(passwordChecked_, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!RunStartupCheck(model_, messages_, *FPSW))
                close();
        },
        Qt::QueuedConnection);
}
