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
class QtDelayDialog : public CommandDialog, public DelayDialog {
    Q_OBJECT
public:
    QtDelayDialog(ConfigurationModel& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(DelayDialogData& data) override;

    QLabel* inputLabel = nullptr;
    QLabel* rowLabel = nullptr;
    QGroupBox* timerTypeGroup = nullptr;
    QButtonGroup* timerTypes = nullptr;
    QLineEdit* unitEdit = nullptr;  // seconds per unit
    QLineEdit* valueEdit = nullptr; // units
    QPushButton* okButton = nullptr;

protected:
    void build() override;
    void closeHandler() override;
    void showEvent(QShowEvent* event) override;

private:
    ConfigurationModel& model_;
};
