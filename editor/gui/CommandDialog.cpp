#include "editor/gui/CommandDialog.h"

#include "editor/InputCommandTexts.h"
#include "model/ConfigurationModel.h"
#include "ui/gui/DialogFrame.h"
#include "ui/gui/LineEditField.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

CommandDialog::CommandDialog(const char* name, QSize clientSize, QWidget* parent)
    : LazyDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      clientSize_(clientSize) {
    setObjectName(name);
    setFixedSize(clientSize);
}

QSize CommandDialog::shownSize() const {
    // Widened where the caption of this use needs it, so the title is never cut.
    return {std::max(clientSize_.width(), TitleBarWidth(*this)), clientSize_.height()};
}

void CommandDialog::done(int result) {
    closeHandler();
    QDialog::done(result);
}

void CommandDialog::showEvent(QShowEvent* event) {
    setFixedSize(shownSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void CommandDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

QLabel* CommandDialog::addLabel(const char* name, const char* text, const QColor& colour,
                                QPoint at) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

void CommandDialog::addRowNumber(QLabel*& caption, QLabel*& number) {
    caption = addLabel("inputLabel", editor_text::kLabelInputNumber, Qt::blue, {16, 12});
    number = addLabel("rowLabel", "", Qt::blue, {caption->geometry().right() + 8, 12});
    QFont font = number->font();
    font.setUnderline(true);
    number->setFont(font);
    number->resize(120, caption->height());
}

DigitFieldFilter::DigitFieldFilter(ConfigurationModel& model, QLineEdit& field, QObject* parent)
    : QObject(parent), model_(model), field_(field) {
    field.setMaxLength(2);
    field.installEventFilter(this);
}

bool DigitFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Moving between controls is the dialog's, never the field's.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    QLineEdit* edit = &field_;
    LineEditField entry(edit);
    const int vk = VirtualKey(key->key(), key->modifiers() & Qt::KeypadModifier);
    switch (model_.FilterDigitKey(entry, vk)) {
    case kKeyAccepted:
        return false;
    case kKeyEnter:
        FocusNextControl(field_);
        return true;
    default:
        return true;
    }
}

int VirtualKey(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // the same codes as the virtual keys of the letters
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_NumLock:
        return 144;
    default:
        return 0; // no key the filter lets through
    }
}

void FocusNextControl(QWidget& from) {
    for (QWidget* next = from.nextInFocusChain(); next != &from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(from.window()) &&
            next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FillIfEmpty(QLineEdit& field, const QString& text) {
    if (field.text().isEmpty())
        field.setText(text);
}
