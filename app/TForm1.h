#pragma once

#include <QMainWindow>

// The programmer's main window.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};
