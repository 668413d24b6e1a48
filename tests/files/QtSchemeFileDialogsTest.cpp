// The Qt file dialogs of the scheme files, used twice in a row as an
// operator would.

#include "files/gui/QtSchemeFileDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs step on the file dialog once it is up, then accepts it with name.
void WhenShown(const std::function<void(QFileDialog&, QLineEdit&)>& step, const QString& name) {
    QTimer::singleShot(50, [step, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(field, nullptr);
        step(*dialog, *field);
        field->setText(name);
        static_cast<QDialog*>(dialog)->accept();
    });
}

TEST(QtSchemeFileDialogs, TwiceInARowInTheFolderOfTheLastFile) {
    QTemporaryDir folder;
    for (const char* name : {"a.vil", "ab.vil"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QWidget window;
    QtSchemeFileDialogs dialogs(&window);
    QAbstractItemView* popup = nullptr;
    bool upBeforeEnter = false;
    WhenShown(
        [&](QFileDialog& dialog, QLineEdit& field) {
            dialog.setDirectory(folder.path());
            QTest::qWait(300); // the folder is read in the background
            // The completion list is up when the operator presses Enter.
            QTest::keyClicks(&field, "a");
            QTest::qWait(200);
            ASSERT_NE(field.completer(), nullptr);
            popup = field.completer()->popup();
            upBeforeEnter = popup->isVisible();
        },
        "ab.vil");
    const auto first = dialogs.askOpenPath();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(QDir::fromNativeSeparators(QString::fromStdString(*first)),
              folder.filePath("ab.vil"));
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(upBeforeEnter);
    EXPECT_FALSE(popup->isVisible()) << "the completion list outlived its dialog";

    QString selected;
    QString startFolder;
    WhenShown(
        [&](QFileDialog& dialog, QLineEdit& field) {
            selected = field.selectedText();
            startFolder = dialog.directory().absolutePath();
        },
        "a.vil");
    QDir::setCurrent(QDir::tempPath());
    const auto second = dialogs.askOpenPath();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(selected, "ab.vil") << "a name typed now would not replace the last one";
    EXPECT_EQ(startFolder, QDir(folder.path()).absolutePath());

    // The save dialog starts where the file last opened lies.
    WhenShown([&](QFileDialog& dialog, QLineEdit&) { startFolder = dialog.directory().path(); },
              "c.vil");
    ASSERT_TRUE(dialogs.askSavePath().has_value());
    EXPECT_EQ(startFolder, QDir(folder.path()).absolutePath());
}

} // namespace
