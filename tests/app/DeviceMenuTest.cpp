// The port commands of the real main window against vil3k-sim on a pseudo-terminal.

#include "app/MainWindow.h"
#include "support/BoxAnswerer.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

class DeviceMenu : public ::testing::Test {
protected:
    void SetUp() override {
        SessionFixture<> sample;
        ConfigurationModel& source = sample.model;
        BuildSampleScheme(sample.session, 24, 8);
        source.SetDeviceByte(0x20); // device 1, external acknowledge on
        source.PackImage();
        QByteArray file(4, '\0');
        file[1] = 24;
        file[2] = 8;
        file[3] = 0x20;
        file.append(reinterpret_cast<const char*>(source.ImageBuffer.data()), kImageSize);
        file.append(QByteArray(480, ' '));
        QFile out(dir.filePath("24-08.vil"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        sim = std::make_unique<SimProcess>(
            QStringList{"--file", out.fileName(), "--dump", dumpPath, "--timeout", "60"});
        ASSERT_FALSE(sim->ptyPath().isEmpty());
        sim->exposeAs("COM7");
        form.comPort().PortName = "COM7";
        ASSERT_EQ(form.comPort().SetupPort(), 0);
    }
    QAction* action(ActionId id) { return form.action(id); }

    QTemporaryDir dir;
    QString dumpPath = dir.filePath("dump");
    std::unique_ptr<SimProcess> sim;
    MainWindow form;
};

TEST_F(DeviceMenu, ReadShowsTheDeviceScheme) {
    action(ActionId::ReadDevice)->trigger();
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K устройство 1");
    EXPECT_EQ(form.firstCodeEdit->text(), "24");
    EXPECT_EQ(form.secondCodeEdit->text(), "8");
    EXPECT_EQ(form.linkAddressBox->currentText(), "1");
    EXPECT_EQ(form.schemeDeviceNumberBox->currentText(), "1");
    EXPECT_TRUE(form.schemeDeviceNumberBox->isVisibleTo(&form));
    EXPECT_TRUE(form.externalAckButton->isChecked());
    EXPECT_TRUE(form.timeDateButton->isEnabled());
    EXPECT_EQ(form.model().SchemeCreated, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
    const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
    QDir().mkpath(pictures);
    EXPECT_TRUE(form.grab().toImage().save(pictures + "/main-window-read-from-sim.png"));
}

TEST_F(DeviceMenu, OneDeviceCommandAtATimeUnderTheWaitCursor) {
    Qt::CursorShape during = Qt::ArrowCursor;
    bool nested = true;
    EXPECT_TRUE(form.runDeviceCommand([&] {
        during = QApplication::overrideCursor()->shape();
        nested = form.runDeviceCommand([] {});
    }));
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_FALSE(nested);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DeviceMenu, WriteSendsTheEditedSchemeAndAsksWithAnOrdinaryCursor) {
    action(ActionId::ReadDevice)->trigger();
    form.model().AccessLevel = 1;
    form.model().Channels[0][3] = 9;
    form.model().Modified = 1;
    form.schemeDeviceNumberBox->setCurrentIndex(3);
    emit form.schemeDeviceNumberBox->activated(3);
    BoxAnswerer operatorAnswers({QMessageBox::No});
    action(ActionId::WriteDevice)->trigger();
    EXPECT_EQ(operatorAnswers.texts,
              QStringList{QString::fromUtf8("Данные переданы. Запросить подтверждение?")});
    EXPECT_EQ(operatorAnswers.cursors, QList<Qt::CursorShape>{Qt::ArrowCursor});
    QElapsedTimer waited;
    waited.start();
    std::vector<std::uint8_t> dump;
    while ((dump = SimProcess::readDump(dumpPath)).empty() && waited.elapsed() < 3000)
        QThread::msleep(10);
    ASSERT_EQ(dump.size(), 251u);
    EXPECT_EQ(dump[4 * 0 + 3], 9);
    EXPECT_EQ(dump[kDeviceByteOffset], 0x23);
    EXPECT_EQ(dump[250], 4);
    EXPECT_EQ(form.linkAddressBox->currentText(), "4");
    EXPECT_EQ(form.windowTitle(), "Программатор ВИЛ-3K устройство 4[*]");
    EXPECT_EQ(form.model().Modified, 0);
    EXPECT_FALSE(form.isWindowModified()) << "written: the mark is gone";
}

TEST_F(DeviceMenu, ClosingWithChangesOffersTheTransfer) {
    action(ActionId::ReadDevice)->trigger();
    form.model().AccessLevel = 1;
    form.model().Modified = 1;
    BoxAnswerer operatorAnswers(
        {QMessageBox::No, QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok});
    form.close();
    EXPECT_EQ(
        operatorAnswers.texts,
        (QStringList{"Данные были изменены. Сохранить в файле?", "Данные были изменены. Передать?",
                     "Данные переданы. Запросить подтверждение?", "Работа закончена"}));
    EXPECT_EQ(form.model().Modified, 0);
    EXPECT_FALSE(form.comPort().IsPortOpen());
}

} // namespace
