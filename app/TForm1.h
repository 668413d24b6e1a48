#pragma once

#include "link/TComPortClass.h"
#include "link/gui/QtSerialLine.h"
#include "ui/Clock.h"
#include "ui/gui/QtMessages.h"

#include <QMainWindow>

// The programmer's main window.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The device link of the whole run, built in this order.
    QtMessages messageBoxes{this};
    SystemClock systemClock;
    QtSerialLine serialLine;
    TComPortClass comPort{serialLine, systemClock, messageBoxes};
};
