// The main window while a device command waits for the line: it keeps its
// event loop, tells the command's progress in the status bar, refuses a second
// command and takes no input; the command's boxes come as before.

#include "app/MainWindow.h"
#include "support/SampleSchemes.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString StatusField(const MainWindow& form, const char* name) {
    const auto* field = form.statusBar()->findChild<QLabel*>(name);
    return field ? field->text() : QString("(none)");
}

std::string Joined(const QStringList& texts) {
    return texts.join(" | ").toStdString();
}

class WhileWaiting : public ::testing::Test {
protected:
    void Open(const QStringList& simArguments) {
        sim = std::make_unique<SimProcess>(simArguments + QStringList{"--timeout", "60"});
        ASSERT_FALSE(sim->ptyPath().isEmpty());
        sim->exposeAs("COM7");
        form.comPort().PortName = "COM7";
        ASSERT_EQ(form.comPort().SetupPort(), 0);
        form.refreshStatus();
    }
    QAction* action(const char* name) {
        return form.findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    }
    // Answers each message box that has an OK button, keeping its text; meanwhile notes the
    // status bar's messages and whether a second command gets in.
    void WatchEvery10Ms() {
        QObject::connect(&watch, &QTimer::timeout, [this] {
            ++ticks;
            const QString now = form.statusBar()->currentMessage();
            if (!now.isEmpty() && (progress.isEmpty() || progress.back() != now))
                progress << now;
            if (form.runDeviceCommand([] {}))
                ++secondCommands;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->button(QMessageBox::Ok) != nullptr) {
                boxes << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        watch.start(10);
    }

    std::unique_ptr<SimProcess> sim;
    MainWindow form;
    QTimer watch;
    int ticks = 0;
    int secondCommands = 0;
    QStringList progress;
    QStringList boxes;
};

TEST_F(WhileWaiting, ASilentDeviceKeepsTheWindowAliveAndDeaf) {
    ASSERT_NO_FATAL_FAILURE(Open({"--silent"}));
    form.comPort().SetHeaderRetries(2);
    BuildSampleScheme(form.session(), 24, 8, 13);
    form.syncScheme();
    form.grab();
    QScrollBar* bar = form.schemeScrollBox->verticalScrollBar();
    int configClicks = 0;
    QObject::connect(form.changeConfigButton, &QPushButton::clicked, [&] { ++configClicks; });
    // Keys and a click arrive while the device is being asked.
    QTimer::singleShot(300, [&] {
        QCoreApplication::postEvent(form.linkAddressBox,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier));
        const QPointF at(10, 10);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                form.changeConfigButton,
                new QMouseEvent(type, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    });
    WatchEvery10Ms();
    action("ReadDevice")->trigger();
    QCoreApplication::processEvents();
    EXPECT_GT(ticks, 100) << "the event loop stood still";
    EXPECT_EQ(secondCommands, 0);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(configClicks, 0);
    EXPECT_EQ(Joined(boxes), "устройство 1 COM7 не отвечает на запрос");
    // The keys, the click and the second commands were refused aloud.
    EXPECT_EQ(Joined(progress), "Устройство 1: чтение конфигурации… | "
                                "Идет обмен с устройством: команда не выполнена | "
                                "Устройство 1: чтение конфигурации… попытка 2 | "
                                "Идет обмен с устройством: команда не выполнена");
    EXPECT_EQ(form.statusBar()->currentMessage(), "Устройство 1 не отвечает");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WhileWaiting, ReadAndWriteAskAndTellAsBefore) {
    ASSERT_NO_FATAL_FAILURE(Open({"--code", "24-08", "--baud", "9600"}));
    WatchEvery10Ms();
    action("ReadDevice")->trigger();
    EXPECT_EQ(form.statusBar()->currentMessage(), "Конфигурация прочитана");
    EXPECT_EQ(form.model().SchemeCreated, 1);
    // Unchanged data: the write asks first, then offers the confirmation
    // query; both answered Yes, nothing else is shown.
    form.model().AccessLevel = 1;
    QStringList answered;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->button(QMessageBox::Yes) == nullptr ||
            box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        answered << box->text();
        box->button(QMessageBox::Yes)->click();
    });
    answer.start(5);
    action("WriteDevice")->trigger();
    EXPECT_EQ(Joined(answered),
              "Данные не были изменены.Передавать? | Данные переданы. Запросить подтверждение?");
    EXPECT_EQ(form.statusBar()->currentMessage(), "Конфигурация записана");
    EXPECT_EQ(Joined(boxes), "");
    EXPECT_EQ(secondCommands, 0);
    EXPECT_TRUE(progress.contains("Устройство 1: запись конфигурации…"));
}

TEST_F(WhileWaiting, StatusFieldsFollowThePortAndTheAccessLevel) {
    EXPECT_EQ(StatusField(form, "portStatus"), "Порт закрыт");
    EXPECT_EQ(StatusField(form, "accessStatus"), "Только просмотр");
    EXPECT_EQ(StatusField(form, "deviceStatus"), "Устройство 1");
    ASSERT_NO_FATAL_FAILURE(Open({}));
    EXPECT_EQ(StatusField(form, "portStatus"), "COM7 9600 8N2");
    form.model().AccessLevel = 1;
    form.linkAddressBox->setCurrentIndex(30);
    form.refreshStatus();
    EXPECT_EQ(StatusField(form, "accessStatus"), "Полный доступ");
    EXPECT_EQ(StatusField(form, "deviceStatus"), "Устройство 31");
    form.comPort().ClosePort();
    form.refreshStatus();
    EXPECT_EQ(StatusField(form, "portStatus"), "Порт закрыт");
}

} // namespace
