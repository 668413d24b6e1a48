#include "device/gui/NewSchemeDialog.h"

#include "device/DeviceTexts.h"
#include "model/ConfigurationModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

using namespace device_text;

QtNewSchemeDialog::QtNewSchemeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("NewSchemeDialog");
    setWindowTitle(QString::fromUtf8(kCaptionNewScheme));
    codeList = new QComboBox(this);
    codeList->setObjectName("codeList");
    for (const NamedExecCode& code : NamedExecCodes())
        codeList->addItem(QString::fromStdString(code.name));
    deviceList = new QComboBox(this);
    deviceList->setObjectName("deviceList");
    for (int n = 1; n <= kDeviceNumberLimit; ++n)
        deviceList->addItem(QString::number(n));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8(kLabelNewSchemeCode), codeList);
    form->addRow(QString::fromUtf8(kLabelNewSchemeDevice), deviceList);
    form->addRow(buttons);
}

bool QtNewSchemeDialog::exec(NewSchemeData& data) {
    codeList->setCurrentIndex(data.code);
    deviceList->setCurrentIndex(data.deviceIndex);
    codeList->setFocus();
    if (QDialog::exec() != QDialog::Accepted)
        return false;
    data.code = codeList->currentIndex();
    data.deviceIndex = deviceList->currentIndex();
    return true;
}
