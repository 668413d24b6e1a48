#include "editor/gui/QtOutputsDialog.h"

#include "editor/InputCommandTexts.h"
#include "editor/OutputsTexts.h"
#include "editor/SchemeView.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace editor_text;

namespace {

constexpr int kButtonSize = 25, kButtonStep = 26, kButtonsLeft = 72;
constexpr int kMr1Top = 72, kMr2Top = 104;

QColor qColour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

QtOutputsDialog::QtOutputsDialog(QWidget* parent)
    : CommandDialog("outputsDialog", {304, 220}, parent) {
    setWindowTitle(kCaptionOutputsDialog);
}

void QtOutputsDialog::build() {
    buildLabels();
    buildButtons();
    interlockBox = new QCheckBox(kLabelInterlock, this);
    interlockBox->setObjectName("interlockBox");
    interlockBox->setGeometry(kButtonsLeft, 144, 120, 22);
    interlockBox->installEventFilter(this);
    okButton = new QPushButton(kButtonOk, this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(115, 182, 75, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);
}

void QtOutputsDialog::buildLabels() {
    const QColor olive = qColour(colours::olive);
    addRowNumber(inputLabel, rowLabel);
    outputsLabel = addLabel("outputsLabel", kLabelOutputsHeading, olive, {kButtonsLeft, 48});
    mr1Label = addLabel("mr1Label", kLabelOutputsMr1, olive, {16, kMr1Top + 4});
    mr2Label = addLabel("mr2Label", kLabelOutputsMr2, olive, {16, kMr2Top + 4});
}

void QtOutputsDialog::buildButtons() {
    for (int p = 0; p < 16; ++p) {
        auto* button = new QPushButton(QString::number(p % 8 + 1), this);
        button->setObjectName(QString("outputButton%1").arg(p + 1));
        button->setGeometry(kButtonsLeft + kButtonStep * (p % 8), p < 8 ? kMr1Top : kMr2Top,
                            kButtonSize, kButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, p] { outputClick(p); });
        outputButtons[p] = button;
    }
}

void QtOutputsDialog::paintButton(int position) {
    const Rgb c = selected_[position] ? colours::olive : colours::silver;
    outputButtons[position]->setStyleSheet(
        QString("background-color: rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b));
}

// The working masks follow the buttons: a mask always equals its selected buttons
// plus the bits of outputs that have none.
void QtOutputsDialog::outputClick(int position) {
    std::uint8_t& mask = position < 8 ? mr1Mask_ : mr2Mask_;
    const auto bit = static_cast<std::uint8_t>(1 << (position % 8));
    selected_[position] = !selected_[position];
    mask = static_cast<std::uint8_t>(selected_[position] ? mask | bit : mask & ~bit);
    paintButton(position);
}

void QtOutputsDialog::exec(OutputsDialogData& data) {
    ensureBuilt();
    inputLabel->setVisible(data.channelRow);
    rowLabel->setText(QString::fromStdString(data.rowCaption));
    interlockBox->setChecked(data.interlock);
    mr2Label->setVisible(data.mr2Outputs != 0);
    mr1Mask_ = data.mr1Mask;
    mr2Mask_ = data.mr2Mask;
    for (int p = 0; p < 16; ++p) {
        const int outputs = p < 8 ? data.mr1Outputs : data.mr2Outputs;
        const std::uint8_t mask = p < 8 ? mr1Mask_ : mr2Mask_;
        selected_[p] = p % 8 < outputs && (mask >> (p % 8) & 1);
        paintButton(p);
        outputButtons[p]->setVisible(p % 8 < outputs);
    }
    interlockBox->setFocus();
    QDialog::exec();
    data.mr1Mask = mr1Mask_;
    data.mr2Mask = mr2Mask_;
    data.interlock = interlockBox->isChecked();
}

bool QtOutputsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == interlockBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FocusNextControl(*interlockBox);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
