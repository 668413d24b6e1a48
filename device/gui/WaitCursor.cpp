#include "device/gui/WaitCursor.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}
