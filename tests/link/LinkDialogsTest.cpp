#include "link/gui/TFormNastr.h"
#include "link/gui/TFormPort.h"

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

TEST(TFormPort, ShowsTheChoicesAndReadsThemBack) {
    TFormPort form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget* dialog) {
        EXPECT_EQ(dialog, &form);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Настройка СОМ-порта"));
        EXPECT_EQ(form.Skor->count(), 4);
        EXPECT_EQ(form.Skor->currentText(), "19200");
        EXPECT_EQ(form.Parit->currentText(), QString::fromUtf8("нечет"));
        EXPECT_EQ(form.StBit->currentText(), "1");
        EXPECT_EQ(form.CBoxPort->currentText(), "COM7");
        EXPECT_EQ(form.CBoxPort->itemData(2, Qt::ToolTipRole).toString(), "/dev/pts/2");
        EXPECT_FALSE(form.CBoxPort->isEditable());
        Grab(&form, "TFormPort");
        form.Skor->setCurrentIndex(3);
        form.CBoxPort->setCurrentIndex(0);
        QTest::mouseClick(form.OK, Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Ok);
    EXPECT_EQ(data.choice.speed, 3);
    EXPECT_EQ(data.choice.port, 0);
    EXPECT_EQ(data.choice.parity, 1);
}

TEST(TFormPort, EvenParityWithTwoStopBitsIsRefused) {
    TFormPort form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget*) {
        form.Parit->setCurrentIndex(2);
        form.StBit->setCurrentIndex(1);
        QTest::mouseClick(form.OK, Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Refused);
}

TEST(TFormPort, CloseBoxIsCancelButKeepsThePortEntry) {
    TFormPort form;
    PortDialogData data = SomePorts();
    WhenShown([&form](QWidget*) {
        form.CBoxPort->setCurrentIndex(1);
        form.close();
    });
    EXPECT_EQ(form.exec(data), PortDialogResult::Cancel);
    EXPECT_EQ(data.choice.port, 1);
}

TEST(TFormPort, ExchangeSettingsButton) {
    TFormPort form;
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

TEST(TFormNastr, ShowsOneSettingAndCarriesTheOthers) {
    TFormNastr form;
    ExchangeSettingsData data{40, 30, 0, 1};
    WhenShown([&form](QWidget*) {
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Настройка параметров обмена"));
        EXPECT_EQ(form.size(), QSize(343, 290));
        EXPECT_TRUE(form.sendPauseBox->isVisible());
        EXPECT_FALSE(form.receivePauseBox->isVisible());
        EXPECT_FALSE(form.CBoxPovt1->isVisible());
        EXPECT_FALSE(form.CBoxPovt2->isVisible());
        EXPECT_EQ(form.sendPauseBox->value(), 40);
        EXPECT_EQ(form.CBoxPovt2->currentText(), "10");
        Grab(&form, "TFormNastr");
        form.sendPauseBox->stepBy(2);
        QTest::mouseClick(form.OK, Qt::LeftButton);
    });
    ASSERT_TRUE(form.exec(data));
    EXPECT_EQ(data.sendDelay, 42);
    EXPECT_EQ(data.receiveDelay, 30);
    EXPECT_EQ(data.headerRetriesEntry, 0);
    EXPECT_EQ(data.bodyRetriesEntry, 1);
}

TEST(TFormNastr, PauseIsSteppedWithinItsLimitsAndNeverTyped) {
    TFormNastr form;
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

TEST(TFormNastr, CloseBoxDropsTheEdits) {
    TFormNastr form;
    ExchangeSettingsData data{25, 20, 1, 1};
    WhenShown([&form](QWidget*) {
        form.sendPauseBox->setValue(40);
        form.close();
    });
    EXPECT_FALSE(form.exec(data));
    EXPECT_EQ(data.sendDelay, 25);
}

} // namespace
