// The device clock dialog of the real main window against vil3k-sim on a
// pseudo-terminal.

#include "app/MainWindow.h"
#include "device/gui/QtClockDialog.h"
#include "support/BoxAnswerer.h"
#include "support/SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class ClockDialog : public ::testing::Test {
protected:
    void SetUp() override { Start({}); }
    void Start(const QStringList& faults) {
        sim = std::make_unique<SimProcess>(
            QStringList{"--code", "24-08", "--log", logPath, "--timeout", "60"} + faults);
        ASSERT_FALSE(sim->ptyPath().isEmpty());
        sim->exposeAs("COM7");
        form.comPort().PortName = "COM7";
        ASSERT_EQ(form.comPort().SetupPort(), 0);
        form.model().AccessLevel = 1;
        form.setTimeDateEnabled(true);
    }
    // Opens the dialog from the header button and plays the operator while it
    // is shown; the dialog must have closed when `operate` returns.
    void WhileOpen(const std::function<void()>& operate) {
        bool ran = false;
        QTimer::singleShot(0, dialog, [&] {
            operate();
            ran = true;
            if (dialog->isVisible()) {
                ADD_FAILURE() << "still open";
                dialog->cancelButton->click();
            }
        });
        form.timeDateButton->click();
        EXPECT_TRUE(ran);
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition() && waited.elapsed() < 3000)
            QTest::qWait(20);
        return condition();
    }
    void Enter(std::initializer_list<const char*> values) {
        int i = 0;
        for (const char* value : values)
            dialog->timeEdits[static_cast<std::size_t>(i++)]->setText(value);
    }
    QByteArray Received() const {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString logPath = dir.filePath("log");
    std::unique_ptr<SimProcess> sim;
    MainWindow form;
    QtClockDialog* dialog = form.timeDateDialog;
};

TEST_F(ClockDialog, SetsTheDeviceClockAndReadsItBack) {
    WhileOpen([&] {
        EXPECT_TRUE(WaitFor([&] { return !dialog->deviceTimeLabel->text().isEmpty(); }));
        Enter({"30", "15", "12", "1", "6"});
        dialog->sendTimeButton->click();
    });
    const QByteArray frame("\x00\x46\x1E\x0F\x0C\x01\x06\xFF\x21", 9);
    EXPECT_TRUE(WaitFor([&] { return Received().contains(frame); }));
    WhileOpen([&] {
        EXPECT_TRUE(WaitFor([&] { return dialog->deviceDateLabel->text() == "01.06."; }));
        EXPECT_TRUE(dialog->deviceTimeLabel->text().startsWith("12:15:3"))
            << dialog->deviceTimeLabel->text().toStdString();
        dialog->deviceTimeButton->click();
        EXPECT_EQ(dialog->timeEdits[MonthField]->text(), "6");
        EXPECT_EQ(dialog->timeEdits[HoursField]->text(), "12");
        dialog->pollButton->click();
        EXPECT_FALSE(dialog->pollingLabel->isVisible());
        BoxAnswerer operatorAnswers({QMessageBox::Ok});
        dialog->deviceTimeButton->click();
        EXPECT_EQ(operatorAnswers.texts, QStringList{"Включите запрос времени с прибора"});
        dialog->cancelButton->click();
    });
}

TEST_F(ClockDialog, ShowsTheLowBytesOfTheRegisters) {
    WhileOpen([&] {
        Enter({"9", "5", "7", "3", "11"});
        dialog->sendTimeButton->click();
    });
    WhileOpen([&] {
        EXPECT_TRUE(WaitFor([&] { return !dialog->deviceTimeLabel->text().isEmpty(); }));
        EXPECT_EQ(dialog->deviceTimeLabel->text(), "07:05:09");
        EXPECT_EQ(dialog->deviceDateLabel->text(), "03.11.");
        dialog->cancelButton->click();
    });
    // Set past the dialog's checks: the device keeps what it was sent.
    const std::uint8_t nonsense[] = {123, 5, 7, 3, 11};
    std::array<std::uint8_t, 8> reply{};
    ASSERT_EQ(form.comPort().Transact(0, 0x46, 5, nonsense, reply), 0);
    WhileOpen([&] {
        EXPECT_TRUE(WaitFor([&] { return dialog->deviceTimeLabel->text() == "07:05:123"; }));
        dialog->cancelButton->click();
    });
}

// A poll of a silent device takes its whole retry cycle; the dialog answers
// the operator meanwhile, and no second exchange starts.
TEST_F(ClockDialog, StaysResponsiveWhilePollingASilentDevice) {
    Start({"--silent"});
    form.comPort().SetHeaderRetries(1);
    bool stopped = false, typed = false, closedDuringThePoll = false;
    QTimer::singleShot(300, dialog, [&] {
        ASSERT_TRUE(dialog->logic().exchangeUnderWay());
        QTest::mouseClick(dialog->pollButton, Qt::LeftButton);
        stopped = !dialog->pollingLabel->isVisible();
        QLineEdit* minutes = dialog->timeEdits[MinutesField];
        QTest::mouseClick(minutes, Qt::LeftButton);
        QTest::keyClick(minutes, Qt::Key_End);
        QTest::keyClicks(minutes, "7");
        typed = minutes->text() == "17";
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        closedDuringThePoll = !dialog->isVisible() && dialog->logic().exchangeUnderWay();
        if (dialog->isVisible()) { // closed once the poll is over, so that the test ends
            if (dialog->pollingLabel->isVisible())
                dialog->pollButton->click();
            QTimer::singleShot(2000, dialog->cancelButton, &QPushButton::click);
        }
    });
    form.timeDateButton->click();
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(typed);
    EXPECT_TRUE(closedDuringThePoll);
    // One request only: every tick during the poll found it under way.
    EXPECT_EQ(Received(), QByteArray("\x01\x04\x00\x00\x00\x05\x30\x09", 8));
}

// F9 right after "Отмена" during a poll of a silent device: the poll is
// abandoned at once, a key pressed while it ends is refused aloud, and the
// read asked for once the dialog has gone reaches the device.
TEST_F(ClockDialog, ACommandRightAfterCancelRunsOrSaysWhyNot) {
    Start({"--silent"});
    form.comPort().SetHeaderRetries(1);
    QString status;
    QTimer::singleShot(300, dialog, [&] {
        ASSERT_TRUE(dialog->logic().exchangeUnderWay());
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_F9);
        status = form.statusBar()->currentMessage();
    });
    form.timeDateButton->click();
    EXPECT_EQ(status, "Идет обмен с устройством: команда не выполнена");
    EXPECT_EQ(Received(), QByteArray("\x01\x04\x00\x00\x00\x05\x30\x09", 8));

    BoxAnswerer boxes({QMessageBox::Ok});
    form.findChild<QAction*>("ReadDevice", Qt::FindDirectChildrenOnly)->trigger();
    EXPECT_TRUE(Received().endsWith(QByteArray("\x01\x11\xC0\x2C", 4)));
    EXPECT_EQ(boxes.texts, QStringList{"устройство 1 COM7 не отвечает на запрос"});
}

} // namespace
