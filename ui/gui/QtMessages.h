#pragma once

#include "ui/Messages.h"

class QWidget;

// Task-modal QMessageBox for every box, parented to the main window.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer show(const MessageBox& box) override;
    void beep() override;

private:
    QWidget* parent_;
};
