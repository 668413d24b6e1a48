#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/ModalScript.h"
#include "support/ScratchDirectory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

// The file commands on the real main window, its Qt file dialogs and message
// boxes answered as an operator would. The window itself is never shown.
namespace {

QString example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

TEST(MainWindowFiles, OpenSaveUnderANewNameAndReopen) {
    ScratchDirectory scratch;
    MainWindow form;
    form.model().AccessLevel = 1;
    const QString source = example("24-08.vil");
    {
        ModalScript script({choose(source)});
        form.OpenScheme();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + source);
    EXPECT_EQ(form.firstCodeEdit->text(), "24");
    EXPECT_EQ(form.secondCodeEdit->text(), "8");
    EXPECT_EQ(form.linkAddressBox->currentText(), "5");
    EXPECT_EQ(form.schemeDeviceNumberBox->currentText(), "5");
    EXPECT_TRUE(form.schemeDeviceNumberBox->isVisibleTo(&form));
    EXPECT_TRUE(form.externalAckButton->isChecked());
    EXPECT_TRUE(form.timeDateButton->isEnabled());
    EXPECT_EQ(form.schemeCanvas().height(), form.schemeView().schemeHeight());
    const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
    QDir().mkpath(pictures);
    EXPECT_TRUE(form.grab().toImage().save(pictures + "/opened-24-08.png"));
    form.scrollSchemeTo(form.schemeView().group(ExtraInputGroup).top);
    EXPECT_TRUE(form.grab().toImage().save(pictures + "/opened-24-08-acknowledge.png"));

    // Unchanged data: Yes to the question, then a name without extension.
    QString question;
    {
        ModalScript script({answer(QMessageBox::Yes, &question), choose(scratch.file("copy"))});
        form.SaveScheme();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(question, "Данные не были изменены. Сохранить?");
    const QString copy = scratch.file("copy.vil");
    EXPECT_EQ(rawFile(copy), rawFile(source));
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + copy);

    form.linkAddressBox->setCurrentIndex(0);
    {
        ModalScript script({choose(copy)});
        form.OpenScheme();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + copy);
    EXPECT_EQ(form.linkAddressBox->currentText(), "5");
}

TEST(MainWindowFiles, RefusedFileLeavesTheWindowAsItWas) {
    ScratchDirectory scratch;
    MainWindow form;
    const QString bad = scratch.file("short.vil");
    writeRawFile(bad, rawFile(example("12-04.vil"))->chopped(1));
    const QString title = form.windowTitle();
    QString text;
    {
        ModalScript script({choose(bad), answer(QMessageBox::Ok, &text)});
        form.OpenScheme();
        EXPECT_TRUE(script.done());
    }
    EXPECT_TRUE(text.startsWith("Файл не удается открыть\n" + bad + "\n")) << text.toStdString();
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_EQ(form.firstCodeEdit->text(), "00");
    EXPECT_FALSE(form.timeDateButton->isEnabled());
    EXPECT_EQ(form.model().SchemeCreated, 0);
}

TEST(MainWindowFiles, Dialogs) {
    MainWindow form;
    const QStringList filters{"Файлы типа .vil (*.vil)", "Все файлы (*)"};
    QFileDialog& open = form.fileDialogs().openDialog();
    EXPECT_EQ(open.nameFilters(), filters);
    EXPECT_EQ(open.defaultSuffix(), "vil");
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    QFileDialog& save = form.fileDialogs().saveDialog();
    EXPECT_EQ(save.nameFilters(), filters);
    EXPECT_EQ(save.defaultSuffix(), "vil");
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
}

} // namespace
