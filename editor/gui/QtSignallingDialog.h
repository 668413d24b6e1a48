#pragma once

#include "editor/Signalling.h"
#include "editor/gui/CommandDialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Задание типа сигнализации ВИЛ-3": the signalling type and light-panel cell
// of one row.
class QtSignallingDialog : public CommandDialog, public SignallingDialog {
    Q_OBJECT
public:
    QtSignallingDialog(ConfigurationModel& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(SignallingDialogData& data) override;

    QLabel* inputLabel = nullptr;
    QLabel* rowLabel = nullptr;
    QGroupBox* signallingTypeGroup = nullptr;
    QButtonGroup* signallingTypes = nullptr;
    QLineEdit* cellEdit = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void build() override;
    void closeHandler() override;
    void showEvent(QShowEvent* event) override;
    // A click on the dialog's free surface closes it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    ConfigurationModel& model_;
};

// A titled group of radio buttons in one column, named as a radio group.
QGroupBox* AddRadioGroup(QWidget* parent, const char* title, QButtonGroup*& buttons,
                         std::initializer_list<const char*> items);
