#include "editor/gui/TFormZa.h"

#include "editor/InputCommandTexts.h"
#include "editor/gui/TFormSig.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace editor_text;

namespace {

const QColor kOlive(128, 128, 0);

QLineEdit* numberField(QWidget* parent, TProgVilClass& model, const char* name, const char* hint,
                       QRect at) {
    auto* field = new QLineEdit("00", parent);
    field->setObjectName(name);
    field->setToolTip(QString::fromUtf8(hint));
    field->setGeometry(at);
    new DigitFieldFilter(model, *field, parent);
    return field;
}

} // namespace

TFormZa::TFormZa(TProgVilClass& model, QWidget* parent)
    : CommandDialog("FormZa", {291, 201}, parent), model_(model) {
    setWindowTitle(QString::fromUtf8(kCaptionDelayDialog));
}

void TFormZa::build() {
    addRowNumber(LabNVh, Label2);
    timerTypeGroup =
        AddRadioGroup(this, kLabelTimerType, timerTypes, {kTimerTypes[0], kTimerTypes[1]});
    timerTypeGroup->setGeometry(16, 30, 259, 54);
    addLabel("Label1", kLabelDelay, kOlive, {16, 88});
    addLabel("Label3", kLabelDelayUnit, kOlive, {16, 112});
    EditDiskr = numberField(this, model_, "EditDiskr", kHintDelayUnit, {200, 108, 40, 24});
    QLabel* units = addLabel("Label4", kLabelDelayValue, kOlive, {16, 136});
    units->setWordWrap(true);
    units->setFixedWidth(170);
    units->adjustSize();
    EditT = numberField(this, model_, "EditT", kHintDelayValue, {200, 138, 40, 24});
    OK = new QPushButton(QString::fromUtf8(kButtonOk), this);
    OK->setObjectName("OK");
    OK->setGeometry(108, 170, 75, 25);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(EditDiskr, EditT);
    setTabOrder(EditT, OK);
    setTabOrder(OK, timerTypes->button(0));
    setTabOrder(timerTypes->button(0), timerTypes->button(1));
}

void TFormZa::exec(DelayDialogData& data) {
    ensureBuilt();
    setWindowTitle(QString::fromUtf8(data.block ? kCaptionTimerDialog : kCaptionDelayDialog));
    LabNVh->setVisible(!data.block);
    Label2->setText(data.rowNumber);
    timerTypeGroup->setVisible(data.block);
    timerTypes->button(data.timerType != 0 ? 1 : 0)->setChecked(true);
    EditDiskr->setText(data.unit);
    EditT->setText(data.value);
    QDialog::exec();
    data.timerType = timerTypes->checkedId() == 1 ? 1 : 0;
    data.unit = EditDiskr->text();
    data.value = EditT->text();
}

void TFormZa::closeHandler() {
    FillIfEmpty(*EditT, "00");
    FillIfEmpty(*EditDiskr, "00");
}

void TFormZa::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    EditDiskr->setFocus();
}
