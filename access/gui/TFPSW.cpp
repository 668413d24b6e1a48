#include "access/gui/TFPSW.h"

#include "access/AccessTexts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

using namespace access_text;

TFPSW::TFPSW(TProgVilClass& model, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      model_(model), messages_(messages) {
    setObjectName("FPSW");
    setWindowTitle(QString::fromUtf8(kDialogCaption));
    setToolTip(QString::fromUtf8(kDialogHint));
    setFixedSize(303, 64);

    Label1 = new QLabel(QString::fromUtf8(kChangeWarning), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 4, 287, 20);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("QLabel { color: red; background: yellow; font-weight: bold; }");
    Label1->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(8, 28, 287, 30);
    QFont font = Edit1->font();
    font.setBold(true);
    font.setPixelSize(14);
    Edit1->setFont(font);
    Edit1->setEchoMode(QLineEdit::Password);
    // The mask character is '*' on every platform.
    Edit1->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    Edit1->setMaxLength(5);
    Edit1->setToolTip(QString::fromUtf8(kDialogHint));
    Edit1->installEventFilter(this);
}

void TFPSW::prepareChange() {
    Label1->show();
    Edit1->clear();
}

int TFPSW::exec() {
    return QDialog::exec();
}

std::string TFPSW::typedText() const {
    return Edit1->text().toStdString();
}

bool TFPSW::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Edit1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (PasswordKeyFilter(messages_, key->key())) {
    case KeyVerdict::Accept:
        return false;
    case KeyVerdict::Close:
        close();
        return true;
    case KeyVerdict::Refuse:
        Edit1->clear();
        return true;
    }
    return true;
}

// Every way of closing (Enter, the close box) ends here; the result is the
// close handler's, never the button's.
void TFPSW::done(int /*ignored*/) {
    const CloseVerdict verdict = PasswordCloseHandler(model_, messages_, typedText());
    if (verdict.clearField)
        Edit1->clear();
    QDialog::done(verdict.result);
}

void TFPSW::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // Whatever is still in the field is selected, so the next digit replaces it.
    Edit1->setFocus();
    Edit1->selectAll();
    QDialog::showEvent(event);
}
