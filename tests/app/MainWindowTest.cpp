#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/BoxAnswerer.h"
#include "support/SampleSchemes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

// The window is never shown here: its first showing runs the start-up checks.
namespace {

QLabel* labelWithText(const MainWindow& form, const QString& text) {
    for (QLabel* l : form.findChildren<QLabel*>())
        if (l->text() == text)
            return l;
    return nullptr;
}

TEST(MainWindowHeader, StartsWithTheFixedControls) {
    MainWindow form;
    EXPECT_EQ(form.linkAddressBox->count(), 31);
    EXPECT_EQ(form.linkAddressBox->itemText(30), "31");
    EXPECT_EQ(form.linkAddressBox->currentText(), "1");
    EXPECT_EQ(form.schemeDeviceNumberBox->currentText(), "1");
    EXPECT_EQ(form.model().LinkAddressIndex, 0);
    EXPECT_EQ(form.model().DeviceNumberIndex, 0);
    for (QLineEdit* edit : {form.firstCodeEdit, form.secondCodeEdit}) {
        EXPECT_EQ(edit->text(), "00");
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_EQ(edit->maxLength(), 2);
        EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::red));
    }
    EXPECT_EQ(form.firstCodeEdit->toolTip(), "1-я часть кода исполнения");
    EXPECT_EQ(form.secondCodeEdit->toolTip(), "2-я часть кода исполнения");
    EXPECT_TRUE(form.changeConfigButton->isVisibleTo(&form));
    EXPECT_EQ(form.changeConfigButton->text(), "Изменить  конфигурацию");
    EXPECT_FALSE(form.setConfigButton->isVisibleTo(&form));
    EXPECT_FALSE(form.createConfigButton->isVisibleTo(&form));
    EXPECT_FALSE(form.modelList->isVisibleTo(&form));
    EXPECT_EQ(form.modelList->count(), 11);
    EXPECT_EQ(form.modelList->itemText(8), "ВИЛ-3-2408 К");
    EXPECT_FALSE(form.schemeDeviceNumberBox->isVisibleTo(&form));
    EXPECT_FALSE(form.externalAckButton->isVisibleTo(&form));
    EXPECT_FALSE(form.timeDateButton->isEnabled());
    ASSERT_NE(labelWithText(form, " Исполнение"), nullptr);
    EXPECT_TRUE(labelWithText(form, "Устр. №")->isVisibleTo(&form));
    EXPECT_EQ(form.schemeScrollBox->geometry(), QRect(4, 77, 825, 553));
    EXPECT_EQ(form.schemeScrollBox->verticalScrollBar()->singleStep(), 32);
    EXPECT_EQ(form.schemeView().schemeHeight(), 0); // no scheme, every group hidden
}

TEST(MainWindowHeader, DeviceSelectorsSetTheIndexes) {
    MainWindow form;
    form.linkAddressBox->setCurrentIndex(4);
    emit form.linkAddressBox->activated(4);
    form.schemeDeviceNumberBox->setCurrentIndex(30);
    emit form.schemeDeviceNumberBox->activated(30);
    EXPECT_EQ(form.model().LinkAddressIndex, 4);
    EXPECT_EQ(form.model().DeviceNumberIndex, 30);
}

TEST(MainWindowHeader, CreatedSchemeShowsItsHeaderControls) {
    MainWindow form;
    form.model().ExecFirst = 6;
    form.model().ExecSecond = 4;
    form.createConfigButton->click();
    EXPECT_TRUE(form.schemeDeviceNumberBox->isVisibleTo(&form));
    EXPECT_TRUE(labelWithText(form, "Изм. № устр.")->isVisibleTo(&form));
    EXPECT_TRUE(form.externalAckButton->isVisibleTo(&form));
    EXPECT_TRUE(form.externalAckButton->isEnabled());
    EXPECT_FALSE(form.externalAckButton->isChecked());
    EXPECT_TRUE(labelWithText(form, "Вн. квит.")->isVisibleTo(&form));
    EXPECT_EQ(form.schemeCanvas().height(), form.schemeView().schemeHeight());

    form.changeConfigButton->click();
    EXPECT_FALSE(form.externalAckButton->isVisibleTo(&form));
    EXPECT_TRUE(form.modelList->isVisibleTo(&form));
    EXPECT_TRUE(labelWithText(form, "Выбор конфигурации")->isVisibleTo(&form));
    EXPECT_EQ(form.model().SchemeCreated, 0);
    form.modelList->setCurrentIndex(3);
    BoxAnswerer operatorAnswers({QMessageBox::Yes, QMessageBox::Ok});
    emit form.modelList->activated(3);
    EXPECT_EQ(operatorAnswers.texts.value(1), "Не выбран COM-порт.");
    EXPECT_FALSE(form.modelList->isVisibleTo(&form));
}

TEST(MainWindowPicture, WholeWindowWithASampleScheme) {
    MainWindow form;
    form.placeOnScreen(QRect(0, 0, 1920, 1080));
    BuildSampleScheme(form.session(), 24, 8);
    form.schemeView().ShowExternalAck(true);
    form.firstCodeEdit->setText("24");
    form.secondCodeEdit->setText("8");
    form.syncScheme();
    const QString dir = QCoreApplication::applicationDirPath() + "/../pictures";
    QDir().mkpath(dir);
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.width(), 843);
    EXPECT_EQ(form.schemeScrollBox->geometry(), QRect(4, 77, 825, 553));
    EXPECT_TRUE(image.save(dir + "/main-window-24-08.png"));
    form.scrollSchemeTo(form.schemeView().group(ExtraInputGroup).top);
    EXPECT_TRUE(form.grab().toImage().save(dir + "/main-window-24-08-scrolled.png"));
}

} // namespace

namespace {

TEST(MainWindowKeys, ArrowsScrollTheSchemeEvenFromTheHeader) {
    MainWindow form;
    BuildSampleScheme(form.session(), 24, 8, 13);
    form.syncScheme();
    form.grab(); // lays the hidden window out as on screen
    QScrollBar* bar = form.schemeScrollBox->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 800);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    EXPECT_TRUE(QCoreApplication::sendEvent(form.linkAddressBox, &down) && down.isAccepted());
    EXPECT_EQ(bar->value(), 400);
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(form.firstCodeEdit, &end);
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
