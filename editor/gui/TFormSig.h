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
class TFormSig : public CommandDialog, public SignallingDialog {
    Q_OBJECT
public:
    TFormSig(TProgVilClass& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(SignallingDialogData& data) override;

    QLabel* LabNVh = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* signallingTypeGroup = nullptr; // RadioGroup1
    QButtonGroup* signallingTypes = nullptr;
    QLineEdit* cellEdit = nullptr; // Edit1
    QPushButton* OK = nullptr;

protected:
    void build() override;
    void closeHandler() override;
    void showEvent(QShowEvent* event) override;
    // A click on the dialog's free surface closes it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    TProgVilClass& model_;
};

// A titled group of radio buttons in one column, named as a radio group.
QGroupBox* AddRadioGroup(QWidget* parent, const char* title, QButtonGroup*& buttons,
                         std::initializer_list<const char*> items);
