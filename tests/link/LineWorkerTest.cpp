// The line's worker thread: what it runs, where, in which order, and what the
// interface thread does meanwhile.

#include "link/serial/LineWorker.h"
#include "support/FakeClock.h"
#include "support/FakeSerialLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(LineWorker, RunsEveryJobOnItsOwnThreadOneAfterAnother) {
    LineWorker worker;
    std::vector<int> order;
    QThread* where = nullptr;
    for (int n = 1; n <= 3; ++n)
        worker.run([&, n] {
            order.push_back(n);
            where = QThread::currentThread();
        });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_NE(where, QThread::currentThread());
}

TEST(LineWorker, TheInterfaceKeepsRunningWhileAJobWaits) {
    LineWorker worker;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer waited;
    waited.start();
    worker.run([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
    EXPECT_GE(waited.elapsed(), 300);
    EXPECT_GE(ticks, 10) << "the event loop stood still during the job";
}

TEST(LineWorker, NoUserInputReachesAWindowDuringAJobButAfterwards) {
    LineWorker worker;
    QLineEdit edit;
    QPushButton button("B");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    auto postInput = [&] {
        QCoreApplication::postEvent(
            &edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        const QPointF at(5, 5);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(&button, new QMouseEvent(type, at, at, Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
    };
    QTimer::singleShot(20, postInput);
    worker.run([] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(clicks, 0);
    // The same input with no job under way arrives.
    postInput();
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), "a");
    EXPECT_EQ(clicks, 1);
}

TEST(LineWorker, InputThePassAdmitsArrivesDuringAJob) {
    LineWorker worker;
    QLineEdit admitted;
    QLineEdit held;
    worker.setInputPass([&](QObject* receiver) { return receiver == &admitted; });
    QTimer::singleShot(20, [&] {
        for (QLineEdit* edit : {&admitted, &held})
            QCoreApplication::postEvent(
                edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    });
    worker.run([] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
    EXPECT_EQ(admitted.text(), "a");
    QCoreApplication::processEvents();
    EXPECT_EQ(held.text(), "");
}

TEST(WorkerSerialLine, PassesEveryOperationToTheLineOnTheWorker) {
    LineWorker worker;
    FakeClock clock;
    FakeSerialLine* fake = nullptr;
    QThread* madeOn = nullptr;
    int made = 0;
    WorkerSerialLine line(worker, [&] {
        ++made;
        madeOn = QThread::currentThread();
        auto made = std::make_unique<FakeSerialLine>(clock);
        fake = made.get();
        return made;
    });
    EXPECT_FALSE(line.isOpen());
    line.setInterrupted(false);
    EXPECT_EQ(made, 0) << "the line is made by its first operation";
    EXPECT_EQ(line.open(LineSettings{"COM3", 19200, LineParity::Odd, 1}), OpenResult::Opened);
    ASSERT_NE(fake, nullptr);
    EXPECT_NE(madeOn, QThread::currentThread());
    EXPECT_TRUE(line.isOpen());
    fake->answerAlways({{5, {0x11, 0x22}}});
    const std::uint8_t request[] = {1, 2, 3};
    EXPECT_TRUE(line.write(request, 3));
    std::uint8_t answer[4] = {};
    EXPECT_EQ(line.read(answer, 4), 2);
    EXPECT_EQ(answer[1], 0x22);
    EXPECT_TRUE(line.purge());
    fake->failRead = true;
    EXPECT_EQ(line.read(answer, 1), -1);
    EXPECT_EQ(line.errorText(), "line error");
    EXPECT_TRUE(line.close());
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(fake->opened.at(0).portName, "COM3");
    EXPECT_EQ(fake->writes.size(), 1u);
    EXPECT_EQ(fake->purges, 1);
    EXPECT_EQ(made, 1);
}

TEST(WorkerClock, SleepsOnTheWorkerAndReadsTheClockItWraps) {
    LineWorker worker;
    FakeClock base;
    WorkerClock clock(worker, base);
    clock.sleepMs(40);
    EXPECT_EQ(base.slept, 40);
    EXPECT_EQ(clock.monotonicMs(), base.now);
}

} // namespace
