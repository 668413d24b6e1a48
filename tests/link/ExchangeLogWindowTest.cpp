// The exchange log window: on frames given by hand, and in the main window
// during a device read from vil3k-sim.

#include "link/gui/ExchangeLogWindow.h"
#include "app/MainWindow.h"
#include "support/SimProcess.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

LinkFrame Frame(FrameDirection direction, std::uint8_t address, std::vector<std::uint8_t> bytes,
                int attempt, ExchangeResult result) {
    LinkFrame frame;
    frame.time.second = 7;
    frame.time.millisecond = attempt;
    frame.direction = direction;
    frame.address = address;
    frame.function = 0x11;
    frame.length = static_cast<int>(bytes.size());
    frame.bytes = std::move(bytes);
    frame.attempt = attempt;
    frame.result = result;
    return frame;
}

TEST(ExchangeLogWindow, ListsFiltersPausesClearsCopiesAndSaves) {
    ExchangeLog log(4);
    ExchangeLogWindow window(log, nullptr);
    window.show();
    auto* list = window.findChild<QTableView*>("frameList");
    QAbstractItemModel* rows = list->model();
    log.record(Frame(FrameDirection::Sent, 1, {0x01, 0x11, 0xC0, 0x2C}, 1, kNoFrameResult));
    log.record(Frame(FrameDirection::Received, 1, {}, 1, kResultSilent));
    log.record(Frame(FrameDirection::Sent, 2, {0x02, 0x11, 0xC0, 0xDC}, 2, kNoFrameResult));
    EXPECT_EQ(rows->rowCount(), 0) << "the window catches up once the exchange lets it";
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows->rowCount() == 3; }));
    EXPECT_EQ(rows->index(1, 7).data().toString(), "нет ответа (тайм-аут)");
    EXPECT_FALSE(rows->index(0, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_TRUE(rows->index(1, 0).data(Qt::ForegroundRole).isValid()) << "a time-out stands out";
    EXPECT_FALSE(rows->index(1, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(rows->index(2, 0).data(Qt::BackgroundRole).isValid()) << "so does a repeat";

    window.findChild<QComboBox*>("addressFilter")->setCurrentIndex(3); // address 2
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(window.listedText(), "00:00:07.002 → 02 11 идентификация            4  попытка 2"
                                   "                                 02 11 C0 DC\n");
    window.findChild<QComboBox*>("addressFilter")->setCurrentIndex(0);
    log.record(Frame(FrameDirection::Received, 2, {0x02, 0x11}, 2, kResultPartial));
    log.record(Frame(FrameDirection::Sent, 3, {0x03, 0x11}, 1, kNoFrameResult));
    EXPECT_FALSE(rows->index(0, 0).data().isValid()) << "its frame has left the ring";
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows->rowCount() == 4; }))
        << "the ring keeps four frames";
    EXPECT_EQ(rows->index(0, 7).data().toString(), "нет ответа (тайм-аут)");
    list->selectionModel()->select(rows->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.findChild<QPushButton*>("copyButton")->click();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("00:00:07.001 → 03 11"));
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 1);

    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(window.saveTo(dir.filePath("log.txt"), error));
    QFile saved(dir.filePath("log.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_EQ(text.count('\n'), 4) << "the file holds every frame, not the selection";
    list->clearSelection();
    EXPECT_EQ(text, window.listedText());

    EXPECT_FALSE(window.saveTo(dir.filePath("absent/log.txt"), error));
    EXPECT_FALSE(error.isEmpty());

    window.findChild<QPushButton*>("pauseButton")->click();
    log.record(Frame(FrameDirection::Sent, 1, {0x01, 0x11}, 1, kNoFrameResult));
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 4);
    EXPECT_TRUE(window.findChild<QLabel*>("frameCount")->text().startsWith("Пауза"));
    window.findChild<QPushButton*>("clearButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(rows->rowCount(), 0);
}

// The log lists a read as it goes and takes input meanwhile; the rest of the
// window set waits for the read.
TEST(ExchangeLogWindow, FollowsAReadAndStaysUsableDuringIt) {
    // Each answer comes 300 ms after its question, so a click at 150 ms falls
    // inside the read however loaded the machine is.
    SimProcess sim({"--code", "24-08", "--timeout", "60", "--reply-delay", "300"});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    sim.exposeAs("COM7");
    MainWindow form;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);
    form.action(ActionId::ShowLog)->trigger();
    auto* window = form.findChild<ExchangeLogWindow*>("ExchangeLog");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // A click on the log's copy button in the middle of the read.
    QApplication::clipboard()->clear();
    bool duringRead = false;
    QTimer::singleShot(150, window, [&] {
        duringRead = QApplication::overrideCursor() != nullptr;
        QTest::mouseClick(window->findChild<QPushButton*>("copyButton"), Qt::LeftButton);
    });
    form.action(ActionId::ReadDevice)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(duringRead);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("→ 01 11 идентификация"));
    EXPECT_FALSE(window->takesInput(form.linkAddressBox));
    window->findChild<QPushButton*>("copyButton")->click();
    const QStringList heads = // one a frame; the lines of its bytes begin with blanks
        QApplication::clipboard()->text().split('\n').filter(QRegularExpression("^\\d"));
    ASSERT_EQ(heads.size(), 4) << window->listedText().toStdString();
    EXPECT_TRUE(heads[1].contains("← 01 11 идентификация            8  попытка 1  успешно"));
    EXPECT_TRUE(heads[3].contains("← 01 44 чтение БД              255  попытка 1  успешно"));
}

} // namespace
