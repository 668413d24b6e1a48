#include "access/gui/QtPasswordDialog.h"
#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Showing the main window asks for the password once; Cancel after a wrong
// one closes the window, which says goodbye and nothing else.
TEST(PasswordOnShow, WrongPasswordAndCancelCloseTheMainWindow) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    MainWindow form;
    QStringList seen;
    std::function<void()> answer = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QtPasswordDialog*>(modal)) {
            seen << "password";
            QTimer::singleShot(0, answer);
            QTest::keyClicks(dialog->passwordEdit, "1");
            QTest::keyClick(dialog->passwordEdit, Qt::Key_Return);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text();
            if (QAbstractButton* cancel = box->button(QMessageBox::Cancel)) {
                QTimer::singleShot(0, answer); // the closing notice comes next
                cancel->click();
            } else {
                box->button(QMessageBox::Ok)->click(); // "Работа закончена"
            }
        } else {
            QTimer::singleShot(10, answer);
        }
    };
    QTimer::singleShot(0, answer);
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 5000));
    EXPECT_EQ(seen, (QStringList{"password", "Введенный пароль неверен", "Работа закончена"}));
    QDir::setCurrent(previous);
}
