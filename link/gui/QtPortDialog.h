#pragma once

#include "link/PortSettings.h"
#include "ui/gui/LazyDialog.h"

class QComboBox;
class QPushButton;

// "Настройка СОМ-порта": port, speed, parity and stop bits.
class QtPortDialog : public LazyDialog, public PortDialog {
    Q_OBJECT
public:
    // QDialog::done() code of a refused combination.
    static constexpr int kRefusedCode = 2;

    explicit QtPortDialog(QWidget* parent = nullptr);
    using QDialog::exec;
    PortDialogResult exec(PortDialogData& data) override;

    QComboBox* speedBox = nullptr;
    QComboBox* parityBox = nullptr;
    QComboBox* stopBitsBox = nullptr;
    QComboBox* portBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* exchangeSettingsButton = nullptr;

protected:
    void build() override;

private:
    void okPressed();
    PortChoice currentChoice() const;

    PortDialogData* data_ = nullptr;
};
