#pragma once

#include "link/PortSettings.h"
#include "ui/gui/LazyDialog.h"

class QComboBox;
class QPushButton;

// "Настройка СОМ-порта": port, speed, parity and stop bits.
class TFormPort : public LazyDialog, public PortDialog {
    Q_OBJECT
public:
    // QDialog::done() code of a refused combination.
    static constexpr int kRefusedCode = 2;

    explicit TFormPort(QWidget* parent = nullptr);
    using QDialog::exec;
    PortDialogResult exec(PortDialogData& data) override;

    QComboBox* Skor = nullptr;
    QComboBox* Parit = nullptr;
    QComboBox* StBit = nullptr;
    QComboBox* CBoxPort = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* exchangeSettingsButton = nullptr;

protected:
    void build() override;

private:
    void OKClick();
    PortChoice currentChoice() const;

    PortDialogData* data_ = nullptr;
};
