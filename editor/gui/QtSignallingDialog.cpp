#include "editor/gui/QtSignallingDialog.h"

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
    group->setObjectName("signallingTypeGroup");
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

QtSignallingDialog::QtSignallingDialog(ConfigurationModel& model, QWidget* parent)
    : CommandDialog("signallingDialog", {302, 222}, parent), model_(model) {
    setWindowTitle(QString::fromUtf8(kCaptionSignallingDialog));
}

void QtSignallingDialog::build() {
    addRowNumber(inputLabel, rowLabel);
    signallingTypeGroup = AddRadioGroup(
        this, kLabelSignallingType, signallingTypes,
        {kSignallingTypes[0], kSignallingTypes[1], kSignallingTypes[2], kSignallingTypes[3]});
    signallingTypeGroup->setGeometry(16, 36, 270, 118);
    addLabel("cellLabel", kLabelCell, QColor(128, 128, 0), {16, 168});
    cellEdit = new QLineEdit("00", this);
    cellEdit->setObjectName("cellEdit");
    cellEdit->setGeometry(240, 164, 40, 24);
    new DigitFieldFilter(model_, *cellEdit, this);
    okButton = new QPushButton(QString::fromUtf8(kButtonOk), this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(113, 194, 75, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(signallingTypes->button(3), cellEdit);
    setTabOrder(cellEdit, okButton);
}

void QtSignallingDialog::exec(SignallingDialogData& data) {
    ensureBuilt();
    inputLabel->setVisible(!data.block);
    rowLabel->setText(data.rowNumber);
    if (QAbstractButton* type = signallingTypes->button(data.type))
        type->setChecked(true);
    cellEdit->setText(data.cell);
    QDialog::exec();
    data.type = std::max(signallingTypes->checkedId(), 0);
    data.cell = cellEdit->text();
}

void QtSignallingDialog::closeHandler() {
    FillIfEmpty(*cellEdit, "00");
}

void QtSignallingDialog::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    if (QAbstractButton* type = signallingTypes->checkedButton())
        type->setFocus();
}

void QtSignallingDialog::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}
