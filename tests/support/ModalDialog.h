#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

// Runs the operator's part once a dialog is shown modally.
inline void WhenShown(const std::function<void(QWidget*)>& operatorActs) {
    QTimer::singleShot(0, [operatorActs] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        operatorActs(dialog);
    });
}

// Saves a picture of the dialog when VIL3K_GRAB_DIR names a folder.
inline void GrabDialog(QWidget* dialog, const char* name) {
    const QString dir = qEnvironmentVariable("VIL3K_GRAB_DIR");
    if (!dir.isEmpty())
        dialog->grab().save(dir + "/" + name + ".png");
}
