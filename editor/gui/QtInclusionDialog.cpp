#include "editor/gui/QtInclusionDialog.h"

#include "editor/InputCommandTexts.h"
#include "editor/gui/NameValidator.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

using namespace editor_text;

namespace {

const QColor kOlive(128, 128, 0);

// The inclusion switch: a lamp, lit while the input is processed.
QIcon switchIcon() {
    QIcon icon;
    for (const bool on : {false, true}) {
        QPixmap pixmap(24, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(on ? QColor(0, 200, 0) : QColor(160, 160, 160));
        painter.drawEllipse(QRectF(5, 1, 14, 14));
        icon.addPixmap(pixmap, QIcon::Normal, on ? QIcon::On : QIcon::Off);
    }
    return icon;
}

} // namespace

QtInclusionDialog::QtInclusionDialog(Messages& messages, QWidget* parent)
    : CommandDialog("inclusionDialog", {306, 184}, parent), messages_(messages) {
    setWindowTitle(QString::fromUtf8(kCaptionInclusionDialog));
}

void QtInclusionDialog::build() {
    addRowNumber(inputLabel, rowLabel);
    addLabel("processingLabel", kLabelProcessing, kOlive, {16, 52});
    includedButton = new QToolButton(this);
    includedButton->setObjectName("includedButton");
    includedButton->setCheckable(true);
    includedButton->setIcon(switchIcon());
    includedButton->setIconSize({24, 16});
    includedButton->setGeometry(128, 46, 41, 27);
    addLabel("nameLabel", kLabelName, kOlive, {16, 88});
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName("nameEdit");
    nameEdit->setGeometry(16, 108, 273, 24);
    MakeNameField(*nameEdit, messages_);
    nameEdit->installEventFilter(this);
    nameEdit->hide();
    okButton = new QPushButton(QString::fromUtf8(kButtonOk), this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(115, 146, 75, 27);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // The switch comes last, so the name and OK keep their places.
    setTabOrder(nameEdit, okButton);
    setTabOrder(okButton, includedButton);
}

void QtInclusionDialog::exec(InclusionDialogData& data) {
    ensureBuilt();
    rowLabel->setText(data.inputNumber);
    nameEdit->setText(data.name);
    nameEdit->show();
    includedButton->setChecked(data.included);
    QDialog::exec();
    data.included = includedButton->isChecked();
    data.name = nameEdit->text();
}

void QtInclusionDialog::closeHandler() {
    FillIfEmpty(*nameEdit, QString(10, QChar(' ')));
}

void QtInclusionDialog::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    nameEdit->setFocus();
}

void QtInclusionDialog::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

// Enter in the name moves on to OK rather than closing at once.
bool QtInclusionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return CommandDialog::eventFilter(watched, event);
}
