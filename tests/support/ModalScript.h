#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Plays the operator in the modal windows a command opens: the message boxes
// and the file dialogs, answered in order.
// Answers the modal windows as they come up, one step for each, in order.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QTimer::singleShot(0, &context_, [this] { poll(); });
    }
    // Every step taken and nothing else came up.
    bool done() const { return next_ == steps_.size() && unexpected_ == 0; }

private:
    void poll() {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal != nullptr && modal == handled_) {
            // A window that stays up after its answer is closed after about two
            // seconds, so that the test fails instead of hanging.
            if (++waits_ > 200)
                modal->reject();
        } else {
            handled_ = nullptr;
            waits_ = 0;
            if (modal != nullptr && next_ == steps_.size()) {
                ++unexpected_;
                modal->reject();
            } else if (modal != nullptr) {
                handled_ = modal;
                // Polled on while the step runs: answering may open another window.
                QTimer::singleShot(10, &context_, [this] { poll(); });
                steps_[next_++](modal);
                return;
            }
        }
        QTimer::singleShot(10, &context_, [this] { poll(); });
    }

    QObject context_; // its timers end with the script
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int unexpected_ = 0;
    int waits_ = 0;
    QPointer<QDialog> handled_;
};

inline ModalScript::Step choose(const QString& path) {
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // As typed: the folder, then the name into the focused name field
        // (selectFile leaves a field with the focus alone).
        dialog->setDirectory(QFileInfo(path).absolutePath());
        // Typing into the name field drops a file selected in the list (a
        // name set without the focus does not).
        for (auto* list : dialog->findChildren<QAbstractItemView*>())
            list->clearSelection();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QFileInfo(path).fileName());
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
    };
}

inline ModalScript::Step answer(QMessageBox::StandardButton button, QString* text = nullptr) {
    return [button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (text != nullptr)
            *text = box->text();
        box->button(button)->click();
    };
}
