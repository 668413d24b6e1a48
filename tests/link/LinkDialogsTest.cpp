#include "link/gui/QtExchangeDialog.h"
#include "link/gui/QtPortDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs operator on the dialog once it is shown modally.
void WhenShown(const std::function<void(QWidget*)>& operatorActs) {
    QTimer::singleShot(0, [operatorActs] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        operatorActs(dialog);
    });
}

// Saves a picture of the dialog when VIL3K_GRAB_DIR names a folder.
void Grab(QWidget* dialog, const char* name) {
    const QString dir = qEnvironmentVariable("VIL3K_GRAB_DIR");
    if (!dir.isEmpty())
        dialog->grab().save(dir + "/" + name + ".png");
}

PortDialogData SomePorts() {
    PortDialogData data;
    data.ports = {{"COM3", "/dev/ttyS3"}, {"COM1", "/dev/ttyS1"}, {"COM7", "/dev/pts/2"}};
    data.choice = {1, 1, 0, 2};
    return data;
}

TEST(QtPortDialog, ShowsTheChoicesAndReadsThemBack) {
    QtPortDialog form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget* dialog) {
        EXPECT_EQ(dialog, &form);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Настройка СОМ-порта"));
        EXPECT_EQ(form.speedBox->count(), 4);
        EXPECT_EQ(form.speedBox->currentText(), "19200");
        EXPECT_EQ(form.parityBox->currentText(), QString::fromUtf8("нечет"));
        EXPECT_EQ(form.stopBitsBox->currentText(), "1");
        EXPECT_EQ(form.portBox->currentText(), "COM7");
        EXPECT_EQ(form.portBox->itemData(2, Qt::ToolTipRole).toString(), "/dev/pts/2");
        EXPECT_FALSE(form.portBox->isEditable());
        Grab(&form, "QtPortDialog");
        form.speedBox->setCurrentIndex(3);
        form.portBox->setCurrentIndex(0);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Ok);
    EXPECT_EQ(data.choice.speed, 3);
    EXPECT_EQ(data.choice.port, 0);
    EXPECT_EQ(data.choice.parity, 1);
}

TEST(QtPortDialog, EvenParityWithTwoStopBitsIsRefused) {
    QtPortDialog form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget*) {
        form.parityBox->setCurrentIndex(2);
        form.stopBitsBox->setCurrentIndex(1);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Refused);
}

TEST(QtPortDialog, CloseBoxIsCancelButKeepsThePortEntry) {
    QtPortDialog form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget*) {
        form.portBox->setCurrentIndex(1);
        form.close();
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Cancel);
    EXPECT_EQ(data.choice.port, 1);
}

TEST(QtPortDialog, ExchangeSettingsButton) {
    QtPortDialog form;
    PortDialogData data = SomePorts();
    int opened = 0;
    data.exchangeSettings = [&opened] { ++opened; };
    form.ensureBuilt();
    EXPECT_EQ(form.exchangeSettingsButton->text(), QString::fromUtf8("Настройка обмена"));
    WhenShown([&form](QWidget*) {
        QTest::mouseClick(form.exchangeSettingsButton, Qt::LeftButton);
        form.close();
    });
    form.exec(data);
    EXPECT_EQ(opened, 1);
}

TEST(QtExchangeDialog, ShowsOneSettingAndCarriesTheOthers) {
    QtExchangeDialog form;
    ExchangeSettingsData data{40, 30, 0, 1};
    WhenShown([&form](QWidget*) {
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Настройка параметров обмена"));
        EXPECT_EQ(form.size(), QSize(343, 290));
        EXPECT_TRUE(form.sendPauseBox->isVisible());
        EXPECT_FALSE(form.receivePauseBox->isVisible());
        EXPECT_FALSE(form.headerRetriesBox->isVisible());
        EXPECT_FALSE(form.bodyRetriesBox->isVisible());
        EXPECT_EQ(form.sendPauseBox->value(), 40);
        EXPECT_EQ(form.bodyRetriesBox->currentText(), "10");
        Grab(&form, "QtExchangeDialog");
        form.sendPauseBox->stepBy(2);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
    });
    ASSERT_TRUE(form.exec(data));
    EXPECT_EQ(data.sendDelay, 42);
    EXPECT_EQ(data.receiveDelay, 30);
    EXPECT_EQ(data.headerRetriesEntry, 0);
    EXPECT_EQ(data.bodyRetriesEntry, 1);
}

TEST(QtExchangeDialog, PauseIsSteppedWithinItsLimitsAndNeverTyped) {
    QtExchangeDialog form;
    form.show();
    QSpinBox* pause = form.sendPauseBox;
    pause->setValue(99);
    QTest::keyClick(pause, Qt::Key_Up);
    QTest::keyClick(pause, Qt::Key_Up);
    EXPECT_EQ(pause->value(), 100);
    pause->setValue(2);
    pause->stepBy(-5);
    EXPECT_EQ(pause->value(), 1);
    QTest::keyClicks(pause, "57");
    EXPECT_EQ(pause->value(), 1);
    EXPECT_TRUE(pause->findChild<QLineEdit*>()->isReadOnly());
}

TEST(QtExchangeDialog, CloseBoxDropsTheEdits) {
    QtExchangeDialog form;
    ExchangeSettingsData data{25, 20, 1, 1};
    WhenShown([&form](QWidget*) {
        form.sendPauseBox->setValue(40);
        form.close();
    });
    EXPECT_FALSE(form.exec(data));
    EXPECT_EQ(data.sendDelay, 25);
}

} // namespace
