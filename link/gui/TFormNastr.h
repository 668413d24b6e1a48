#pragma once

#include "link/PortSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Настройка параметров обмена": the pause after switching to transmit, with
// the receive pause and both retry counts travelling along unseen.
class TFormNastr : public QDialog, public ExchangeDialog {
    Q_OBJECT
public:
    explicit TFormNastr(QWidget* parent = nullptr);
    using QDialog::exec;
    bool exec(ExchangeSettingsData& data) override;

    QSpinBox* sendPauseBox; // with its up-down: stepped only, never typed
    QSpinBox* receivePauseBox;
    QComboBox* CBoxPovt1;
    QComboBox* CBoxPovt2;
    QPushButton* OK;
};
