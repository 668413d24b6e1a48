#pragma once

#include "editor/OutputDelays.h"
#include "editor/gui/CommandDialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The delay of one row's outputs: "Программ. задерж. выходов ВИЛ-3" for an
// input, "Программирование таймеров ФБЛ" with the timer type for a block.
class TFormZa : public CommandDialog, public DelayDialog {
    Q_OBJECT
public:
    TFormZa(TProgVilClass& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(DelayDialogData& data) override;

    QLabel* LabNVh = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* timerTypeGroup = nullptr; // RadioGroup1
    QButtonGroup* timerTypes = nullptr;
    QLineEdit* EditDiskr = nullptr; // seconds per unit
    QLineEdit* EditT = nullptr;     // units
    QPushButton* OK = nullptr;

protected:
    void build() override;
    void closeHandler() override;
    void showEvent(QShowEvent* event) override;

private:
    TProgVilClass& model_;
};
