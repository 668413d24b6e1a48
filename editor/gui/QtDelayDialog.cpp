#include "editor/gui/QtDelayDialog.h"

#include "editor/InputCommandTexts.h"
#include "editor/gui/QtSignallingDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace editor_text;

namespace {

const QColor kOlive(128, 128, 0);

QLineEdit* numberField(QWidget* parent, ConfigurationModel& model, const char* name,
                       const char* hint, QRect at) {
    auto* field = new QLineEdit("00", parent);
    field->setObjectName(name);
    field->setToolTip(QString::fromUtf8(hint));
    field->setGeometry(at);
    new DigitFieldFilter(model, *field, parent);
    return field;
}

} // namespace

QtDelayDialog::QtDelayDialog(ConfigurationModel& model, QWidget* parent)
    : CommandDialog("delayDialog", {291, 201}, parent), model_(model) {
    setWindowTitle(QString::fromUtf8(kCaptionDelayDialog));
}

void QtDelayDialog::build() {
    addRowNumber(inputLabel, rowLabel);
    timerTypeGroup =
        AddRadioGroup(this, kLabelTimerType, timerTypes, {kTimerTypes[0], kTimerTypes[1]});
    timerTypeGroup->setGeometry(16, 30, 259, 54);
    addLabel("delayLabel", kLabelDelay, kOlive, {16, 88});
    addLabel("unitLabel", kLabelDelayUnit, kOlive, {16, 112});
    unitEdit = numberField(this, model_, "unitEdit", kHintDelayUnit, {200, 108, 40, 24});
    QLabel* units = addLabel("valueLabel", kLabelDelayValue, kOlive, {16, 136});
    units->setWordWrap(true);
    units->setFixedWidth(170);
    units->adjustSize();
    valueEdit = numberField(this, model_, "valueEdit", kHintDelayValue, {200, 138, 40, 24});
    okButton = new QPushButton(QString::fromUtf8(kButtonOk), this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(108, 170, 75, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(unitEdit, valueEdit);
    setTabOrder(valueEdit, okButton);
    setTabOrder(okButton, timerTypes->button(0));
    setTabOrder(timerTypes->button(0), timerTypes->button(1));
}

void QtDelayDialog::exec(DelayDialogData& data) {
    ensureBuilt();
    setWindowTitle(QString::fromUtf8(data.block ? kCaptionTimerDialog : kCaptionDelayDialog));
    inputLabel->setVisible(!data.block);
    rowLabel->setText(data.rowNumber);
    timerTypeGroup->setVisible(data.block);
    timerTypes->button(data.timerType != 0 ? 1 : 0)->setChecked(true);
    unitEdit->setText(data.unit);
    valueEdit->setText(data.value);
    QDialog::exec();
    data.timerType = timerTypes->checkedId() == 1 ? 1 : 0;
    data.unit = unitEdit->text();
    data.value = valueEdit->text();
}

void QtDelayDialog::closeHandler() {
    FillIfEmpty(*valueEdit, "00");
    FillIfEmpty(*unitEdit, "00");
}

void QtDelayDialog::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    unitEdit->setFocus();
}
