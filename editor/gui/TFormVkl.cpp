#include "editor/gui/TFormVkl.h"

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

TFormVkl::TFormVkl(Messages& messages, QWidget* parent)
    : CommandDialog("FormVkl", {306, 184}, parent), messages_(messages) {
    setWindowTitle(QString::fromUtf8(kCaptionInclusionDialog));
}

void TFormVkl::build() {
    addRowNumber(LabNVh, Label2);
    addLabel("Label3", kLabelProcessing, kOlive, {16, 52});
    SBVkl = new QToolButton(this);
    SBVkl->setObjectName("SBVkl");
    SBVkl->setCheckable(true);
    SBVkl->setIcon(switchIcon());
    SBVkl->setIconSize({24, 16});
    SBVkl->setGeometry(128, 46, 41, 27);
    addLabel("Label1", kLabelName, kOlive, {16, 88});
    EditText = new QLineEdit(this);
    EditText->setObjectName("EditText");
    EditText->setGeometry(16, 108, 273, 24);
    MakeNameField(*EditText, messages_);
    EditText->installEventFilter(this);
    EditText->hide();
    OK = new QPushButton(QString::fromUtf8(kButtonOk), this);
    OK->setObjectName("OK");
    OK->setGeometry(115, 146, 75, 27);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    // The switch comes last, so the name and OK keep their places.
    setTabOrder(EditText, OK);
    setTabOrder(OK, SBVkl);
}

void TFormVkl::exec(InclusionDialogData& data) {
    ensureBuilt();
    Label2->setText(data.inputNumber);
    EditText->setText(data.name);
    EditText->show();
    SBVkl->setChecked(data.included);
    QDialog::exec();
    data.included = SBVkl->isChecked();
    data.name = EditText->text();
}

void TFormVkl::closeHandler() {
    FillIfEmpty(*EditText, QString(10, QChar(' ')));
}

void TFormVkl::showEvent(QShowEvent* event) {
    CommandDialog::showEvent(event);
    EditText->setFocus();
}

void TFormVkl::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

// Enter in the name moves on to OK rather than closing at once.
bool TFormVkl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return CommandDialog::eventFilter(watched, event);
}
