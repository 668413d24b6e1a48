#pragma once

#include "model/TProgVilClass.h"
#include "ui/gui/QtMessages.h"

#include <QMainWindow>

class TFPSW;

// The programmer's main window.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QtMessages messages_{this};
    TProgVilClass model_{messages_};
    TFPSW* FPSW = nullptr;
    bool passwordChecked_ = false;
};
