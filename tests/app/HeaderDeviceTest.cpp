// The model list and the external-acknowledge button of the real main window
// against vil3k-sim on a pseudo-terminal.

#include "app/MainWindow.h"
#include "support/BoxAnswerer.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

#include <memory>

namespace {

class HeaderDevice : public ::testing::Test {
protected:
    void Start(const QStringList& arguments) {
        sim = std::make_unique<SimProcess>(arguments +
                                           QStringList{"--log", logPath, "--timeout", "60"});
        ASSERT_FALSE(sim->ptyPath().isEmpty());
        sim->exposeAs("COM7");
        form.comPort().PortName = "COM7";
        ASSERT_EQ(form.comPort().SetupPort(), 0);
    }
    // Every byte the simulated device has received so far.
    QByteArray Received() const {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray WaitReceived(const QByteArray& frame) const {
        QElapsedTimer waited;
        waited.start();
        while (!Received().contains(frame) && waited.elapsed() < 3000)
            QThread::msleep(10);
        return Received();
    }
    void Choose(int row) {
        form.modelList->setCurrentIndex(row);
        emit form.modelList->activated(row);
    }
    QAction* ReadAction() { return form.findChild<QAction*>("ReadDevice"); }

    QTemporaryDir dir;
    QString logPath = dir.filePath("log");
    std::unique_ptr<SimProcess> sim;
    MainWindow form;
};

TEST_F(HeaderDevice, DeviceWithoutCodeGetsOneFromTheListAndShowsItAtTheNextRead) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "0-0"}));
    {
        BoxAnswerer operatorAnswers({QMessageBox::Ok});
        ReadAction()->trigger();
        EXPECT_EQ(operatorAnswers.texts, QStringList{"Задайте конфигурацию "});
    }
    ASSERT_TRUE(form.setConfigButton->isVisibleTo(&form));
    form.setConfigButton->click();
    ASSERT_TRUE(form.modelList->isVisibleTo(&form));
    {
        BoxAnswerer operatorAnswers({QMessageBox::Yes});
        Choose(4);
        EXPECT_EQ(operatorAnswers.texts.size(), 1) << "the question, and nothing after it";
    }
    const QByteArray frame("\x01\x12\x0C\x06\x00\xDF\x1B", 7);
    EXPECT_TRUE(WaitReceived(frame).contains(frame));
    EXPECT_FALSE(form.modelList->isVisibleTo(&form));
    EXPECT_FALSE(form.setConfigButton->isVisibleTo(&form));
    EXPECT_EQ(form.firstCodeEdit->text(), "0") << "the program learns the code at the next read";
    ReadAction()->trigger();
    EXPECT_EQ(form.firstCodeEdit->text(), "12");
    EXPECT_EQ(form.secondCodeEdit->text(), "6");
    EXPECT_EQ(form.model().ChannelCount, 14);
}

TEST_F(HeaderDevice, RefusedCodeIsReportedAndTheListHidden) {
    ASSERT_NO_FATAL_FAILURE(Start({"--exception", "0x12:1"}));
    form.changeConfigButton->click();
    BoxAnswerer operatorAnswers({QMessageBox::Yes, QMessageBox::Ok});
    Choose(0);
    EXPECT_EQ(operatorAnswers.texts.value(1), "устройство 1 COM7 ошибка обмена 01");
    EXPECT_FALSE(form.modelList->isVisibleTo(&form));
}

TEST_F(HeaderDevice, AcknowledgeButtonSetsTheDeviceByteThatIsWritten) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "12-04", "--address", "3"}));
    form.linkAddressBox->setCurrentIndex(2);
    emit form.linkAddressBox->activated(2);
    ReadAction()->trigger();
    ASSERT_EQ(form.model().SchemeCreated, 1);
    ASSERT_TRUE(form.externalAckButton->isEnabled());
    form.schemeDeviceNumberBox->setCurrentIndex(2);
    emit form.schemeDeviceNumberBox->activated(2);
    form.externalAckButton->click();
    EXPECT_TRUE(form.externalAckButton->isChecked());
    EXPECT_EQ(form.model().GetDeviceByte(), 0x22);
    EXPECT_EQ(form.model().Modified, 1);
    form.externalAckButton->click();
    EXPECT_FALSE(form.externalAckButton->isChecked());
    EXPECT_EQ(form.model().GetDeviceByte(), 0x02);
}

} // namespace
