#include "app/TForm1.h"

#include <QGuiApplication>
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
}
