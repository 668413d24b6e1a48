#include "ui/gui/QtMessages.h"

#include "ui/gui/DialogFrame.h"

#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer fromQt(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        break;
    }
    // Closed with the window's close box or Escape: the "negative" answer.
    switch (buttons) {
    case MessageButtons::YesNo:
        return Answer::No;
    case MessageButtons::YesNoCancel:
    case MessageButtons::RetryCancel:
        return Answer::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return Answer::Ok;
}

// A message box is as wide as its title needs: the window manager cuts a
// title that is wider than the window ("Подтвер…у пароля").
void FitTitle(QMessageBox& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    grid->addItem(
        new QSpacerItem(TitleBarWidth(dialog), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
        grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

Answer QtMessages::show(const MessageBox& box) {
    QMessageBox dialog(toQt(box.icon), QString::fromStdString(box.caption),
                       QString::fromStdString(box.text), buttonsOf(box.buttons), parent_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setDefaultButton(toQt(box.defaultButton));
    FitTitle(dialog);
    // A box shown in the middle of a device command waits for the operator: it
    // must not wear the command's wait cursor.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = dialog.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return fromQt(button, box.buttons);
}

void QtMessages::beep() {
    QApplication::beep();
}
