#pragma once

#include "editor/OutputsCommand.h"
#include "editor/gui/CommandDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// "Программирование выходов ВИЛ-3": one button per relay output
// of both modules and the interlock box. No cancel: every close hands the
// working masks back.
class QtOutputsDialog : public CommandDialog, public OutputsDialog {
    Q_OBJECT
public:
    explicit QtOutputsDialog(QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(OutputsDialogData& data) override;

    QLabel* inputLabel = nullptr;   // "Вход №"
    QLabel* rowLabel = nullptr;     // the row number
    QLabel* mr1Label = nullptr;     // "MP №1"
    QLabel* mr2Label = nullptr;     // "MP №2"
    QLabel* outputsLabel = nullptr; // "Выходы"
    std::array<QPushButton*, 16> outputButtons{};
    QCheckBox* interlockBox = nullptr; // "Блокировка"
    QPushButton* okButton = nullptr;

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
