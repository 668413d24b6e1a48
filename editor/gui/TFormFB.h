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
class TProgVilClass;

// "Программирование функц.блоков" (unit Obrfb_mb): the block type and, per input,
// its kind, its source and the number of the channel or block. Every close is
// the operator's answer.
class TFormFB : public CommandDialog, public FbDialog {
    Q_OBJECT
public:
    explicit TFormFB(TProgVilClass& model, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(FbDialogData& data) override;

    QLabel* modeLabel = nullptr;        // Label9 "создание" / "коррекция"
    QLabel* blockNumberLabel = nullptr; // LabNFB
    QGroupBox* typeGroup = nullptr;     // RadioGroup1 "Тип функц. блока"
    QButtonGroup* typeButtons = nullptr;
    std::array<QComboBox*, 4> kindBoxes{}; // ComboBox1, 3, 5, 7: "инверсный", "прямой"
    std::array<QComboBox*, 4> sourceBoxes{}; // ComboBox2, 4, 6, 8: "вход УСО ", "выход ФБ"
    std::array<QLineEdit*, 4> numberEdits{}; // EditVx1..EditVx4
    QPushButton* OK = nullptr;

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

    TProgVilClass& model_;
};
