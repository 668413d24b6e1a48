#pragma once

#include "editor/OutputsCommand.h"
#include "editor/gui/CommandDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// "Программирование выходов ВИЛ-3" (unit Obrvyh_mb): one button per relay output
// of both modules and the interlock box. No cancel: every close hands the
// working masks back.
class TFormVyh : public CommandDialog, public OutputsDialog {
    Q_OBJECT
public:
    explicit TFormVyh(QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(OutputsDialogData& data) override;

    QLabel* inputLabel = nullptr;                 // LabNVh "Вход №"
    QLabel* rowLabel = nullptr;                   // Label2, the row number
    QLabel* mr1Label = nullptr;                   // Label5 "MP №1"
    QLabel* mr2Label = nullptr;                   // Label6 "MP №2"
    QLabel* outputsLabel = nullptr;               // Label7 "Выходы"
    std::array<QPushButton*, 16> outputButtons{}; // Panel1..Panel16
    QCheckBox* interlockBox = nullptr;            // CheckBox1 "Блокировка"
    QPushButton* OK = nullptr;

protected:
    void build() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeHandler() override {}

private:
    void buildLabels();
    void buildButtons();
    void outputClick(int position);
    void paintButton(int position);

    std::array<bool, 16> selected_{};
    std::uint8_t mr1Mask_ = 0;
    std::uint8_t mr2Mask_ = 0;
};
