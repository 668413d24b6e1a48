#pragma once

#include "editor/FunctionBlockCommand.h"
#include "editor/gui/CommandDialog.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ConfigurationModel;

// "Программирование функц.блоков": the block type and, per input,
// its kind, its source and the number of the channel or block. Every close is
// the operator's answer.
class QtFunctionBlockDialog : public CommandDialog, public FbDialog {
    Q_OBJECT
public:
    explicit QtFunctionBlockDialog(ConfigurationModel& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(FbDialogData& data) override;

    QLabel* modeLabel = nullptr;        // "создание" / "коррекция"
    QLabel* blockNumberLabel = nullptr; // blockNumberLabel
    QGroupBox* typeGroup = nullptr;     // "Тип функц. блока"
    QButtonGroup* typeButtons = nullptr;
    std::array<QComboBox*, 4> kindBoxes{};   // "инверсный", "прямой"
    std::array<QComboBox*, 4> sourceBoxes{}; // "вход УСО ", "выход ФБ"
    std::array<QLineEdit*, 4> numberEdits{};
    QPushButton* okButton = nullptr;

protected:
    void build() override;
    // The selectors take keys as the number fields do.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A field being edited is finished, and an empty number field means an
    // unconnected input.
    void closeHandler() override;

private:
    void buildHeader();
    void buildTypeGroup();
    void buildInputRows();
    void typeChanged(int type);

    ConfigurationModel& model_;
};
