#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>

// Plays the operator for every modal window a command opens. Message boxes get
// the scripted buttons in order, then their safe answer (OK, else No), so that
// a box nobody expected fails the test instead of hanging it. A file dialog is
// cancelled; any other dialog goes to otherDialog, or is cancelled. Keeps the
// text of each box, and "file dialog" for each file dialog.
class ScriptedOperator {
public:
    explicit ScriptedOperator(std::deque<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }
    QStringList shown;
    std::function<void(QDialog*)> otherDialog;

private:
    void answer() {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // Each box is new; a file or port dialog is shown again and again.
            if (box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            shown << box->text();
            QAbstractButton* button = nullptr;
            if (!answers_.empty()) {
                button = box->button(answers_.front());
                answers_.pop_front();
            }
            if (button == nullptr)
                button = box->button(QMessageBox::Ok);
            if (button == nullptr)
                button = box->button(QMessageBox::No);
            if (button != nullptr)
                button->click();
            else
                box->reject();
        } else if (qobject_cast<QFileDialog*>(modal) != nullptr) {
            shown << "file dialog";
            modal->reject();
        } else if (otherDialog) {
            otherDialog(modal);
        } else {
            modal->reject();
        }
    }
    std::deque<QMessageBox::StandardButton> answers_;
    QTimer timer_;
};
