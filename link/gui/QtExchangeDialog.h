#pragma once

#include "link/PortSettings.h"
#include "ui/gui/LazyDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Настройка параметров обмена": the pause after switching to transmit, with
// the receive pause and both retry counts travelling along unseen.
class QtExchangeDialog : public LazyDialog, public ExchangeDialog {
    Q_OBJECT
public:
    explicit QtExchangeDialog(QWidget* parent = nullptr);
    using QDialog::exec;
    bool exec(ExchangeSettingsData& data) override;

    QSpinBox* sendPauseBox = nullptr; // with its up-down: stepped only, never typed
    QSpinBox* receivePauseBox = nullptr;
    QComboBox* headerRetriesBox = nullptr;
    QComboBox* bodyRetriesBox = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void build() override;
};
