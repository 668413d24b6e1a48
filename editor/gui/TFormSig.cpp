#include "editor/gui/TFormSig.h"

#include "editor/InputCommandTexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace editor_text;

QGroupBox* AddRadioGroup(QWidget* parent, const char* title, QButtonGroup*& buttons,
                         std::initializer_list<const char*> items) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName("RadioGroup1");
    buttons = new QButtonGroup(group);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(2);
    int id = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(QString::fromUtf8(item), group);
        buttons->addButton(button, id++);
        column->addWidget(button);
    }
    return group;
}

TFormSig::TFormSig(TProgVilClass& model, QWidget* parent)
    : CommandDialog("FormSig", {302, 222}, parent), model_(model) {
    setWindowTitle(QString::fromUtf8(kCaptionSignallingDialog));
}

void TFormSig::build() {
    addRowNumber(LabNVh, Label2);
    signallingTypeGroup = AddRadioGroup(
        this, kLabelSignallingType, signallingTypes,
        {kSignallingTypes[0], kSignallingTypes[1], kSignallingTypes[2], kSignallingTypes[3]});
    signallingTypeGroup->setGeometry(16, 36, 270, 118);
    addLabel("Label1", kLabelCell, QColor(128, 128, 0), {16, 168});
    cellEdit = new QLineEdit("00", this);
    cellEdit->setObjectName("Edit1");
    cellEdit->setGeometry(240, 164, 40, 24);
    new DigitFieldFilter(model_, *cellEdit, this);
    OK = new QPushButton(QString::fromUtf8(kButtonOk), this);
    OK->setObjectName("OK");
    OK->setGeometry(113, 194, 75, 25);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(signallingTypes->button(3), cellEdit);
    setTabOrder(cellEdit, OK);
}

void TFormSig::exec(SignallingDialogData& data) {
    ensureBuilt();
    LabNVh->setVisible(!data.block);
    Label2->setText(data.rowNumber);
    if (QAbstractButton* type = signallingTypes->button(data.type))
        type->setChecked(true);
    cellEdit->setText(data.cell);
    QDialog::exec();
    data.type = std::max(signallingTypes->checkedId(), 0);
    data.cell = cellEdit->text();
}

void TFormSig::closeHandler() {
    FillIfEmpty(*cellEdit, "00");
}

void TFormSig::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    if (QAbstractButton* type = signallingTypes->checkedButton())
        type->setFocus();
}

void TFormSig::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}
