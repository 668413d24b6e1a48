#pragma once

#include "link/PortSettings.h"

#include <QDialog>

class QComboBox;
class QPushButton;

// "Настройка СОМ-порта": port, speed, parity and stop bits.
class TFormPort : public QDialog, public PortDialog {
    Q_OBJECT
public:
    // QDialog::done() code of a refused combination.
    static constexpr int kRefusedCode = 2;

    explicit TFormPort(QWidget* parent = nullptr);
    using QDialog::exec;
    PortDialogResult exec(PortDialogData& data) override;

    QComboBox* Skor;
    QComboBox* Parit;
    QComboBox* StBit;
    QComboBox* CBoxPort;
    QPushButton* OK;
    QPushButton* exchangeSettingsButton;

private:
    void OKClick();
    PortChoice currentChoice() const;

    PortDialogData* data_ = nullptr;
};
