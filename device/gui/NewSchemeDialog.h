#pragma once

#include "device/NewScheme.h"

#include <QDialog>

class QComboBox;

// "Новая схема": the execution code and the device number of a scheme made
// without a device.
class QtNewSchemeDialog : public QDialog, public NewSchemeDialog {
    Q_OBJECT
public:
    explicit QtNewSchemeDialog(QWidget* parent = nullptr);
    using QDialog::exec;
    bool exec(NewSchemeData& data) override;

    QComboBox* codeList = nullptr;
    QComboBox* deviceList = nullptr;
};
