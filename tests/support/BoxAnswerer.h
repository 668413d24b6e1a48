#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>

// Plays the operator for the message boxes a command shows: answers them in
// order and remembers their texts and the cursor they were shown under. With
// closeUnexpected, a box after the last answer is noted and closed, so that
// the test fails instead of hanging.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::deque<QMessageBox::StandardButton> answers,
                         bool closeUnexpected = false)
        : answers_(std::move(answers)), closeUnexpected_(closeUnexpected) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }
    QStringList texts;
    QList<Qt::CursorShape> cursors;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || (answers_.empty() && !closeUnexpected_) ||
            box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        texts << box->text();
        if (answers_.empty())
            return box->reject();
        const QCursor* cursor = QApplication::overrideCursor();
        cursors << (cursor ? cursor->shape() : Qt::ArrowCursor);
        QAbstractButton* button = box->button(answers_.front());
        answers_.pop_front();
        ASSERT_NE(button, nullptr) << box->text().toStdString();
        button->click();
    }
    std::deque<QMessageBox::StandardButton> answers_;
    bool closeUnexpected_;
    QTimer timer_;
};
