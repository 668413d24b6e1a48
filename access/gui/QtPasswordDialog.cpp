#include "access/gui/QtPasswordDialog.h"

#include "access/AccessTexts.h"
#include "ui/gui/DialogFrame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScreen>

#include <algorithm>

using namespace access_text;

namespace {

constexpr int kWidth = 303;

// The mask character is '*' on every platform; a style sheet would say the same
// at the cost of restyling the dialog as it starts.
class StarMask : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

} // namespace

QtPasswordDialog::QtPasswordDialog(ConfigurationModel& model, Messages& messages, QWidget* parent)
    : LazyDialog(parent), model_(model), messages_(messages) {
    setObjectName("PasswordDialog");
    setWindowTitle(QString::fromUtf8(kCaptionPasswordDialog));
    setToolTip(QString::fromUtf8(kHintPasswordDialog));
    UseFixedBorder(*this);
}

void QtPasswordDialog::build() {
    // Wide enough for the whole prompt in the title bar.
    const int width = std::max(kWidth, TitleBarWidth(*this));
    setFixedSize(width, 64);

    warningLabel = new QLabel(QString::fromUtf8(kTextChangeWarning), this);
    warningLabel->setObjectName("warningLabel");
    warningLabel->setGeometry(8, 4, width - 16, 20);
    warningLabel->setAlignment(Qt::AlignCenter);
    warningLabel->hide();

    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName("passwordEdit");
    passwordEdit->setGeometry(8, 28, width - 16, 30);
    QFont font = passwordEdit->font();
    font.setBold(true);
    font.setPixelSize(kBoldPixelSize);
    passwordEdit->setFont(font);
    passwordEdit->setEchoMode(QLineEdit::Password);
    auto* mask = new StarMask;
    mask->setParent(passwordEdit);
    passwordEdit->setStyle(mask);
    passwordEdit->setMaxLength(5);
    passwordEdit->setToolTip(QString::fromUtf8(kHintPasswordDialog));
    passwordEdit->installEventFilter(this);
}

void QtPasswordDialog::prepareChange() {
    ensureBuilt();
    // Styled when first shown: a style sheet costs the start-up its restyling.
    if (warningLabel->styleSheet().isEmpty())
        warningLabel->setStyleSheet(
            "QLabel { color: red; background: yellow; font-weight: bold; }");
    warningLabel->show();
    passwordEdit->clear();
}

int QtPasswordDialog::exec() {
    return QDialog::exec();
}

std::string QtPasswordDialog::typedText() const {
    return isBuilt() ? passwordEdit->text().toStdString() : std::string();
}

bool QtPasswordDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != passwordEdit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (PasswordKeyFilter(messages_, key->key())) {
    case KeyVerdict::Accept:
        return false;
    case KeyVerdict::Close:
        close();
        return true;
    case KeyVerdict::Refuse:
        passwordEdit->clear();
        return true;
    }
    return true;
}

// Every way of closing (Enter, the close box) ends here; the result is the
// close handler's, never the button's.
void QtPasswordDialog::done(int /*ignored*/) {
    const CloseVerdict verdict = PasswordCloseHandler(model_, messages_, typedText());
    if (verdict.clearField)
        passwordEdit->clear();
    QDialog::done(verdict.result);
}

void QtPasswordDialog::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // Whatever is still in the field is selected, so the next digit replaces it.
    passwordEdit->setFocus();
    passwordEdit->selectAll();
    QDialog::showEvent(event);
}
