#include "link/serial/LineWorker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace {

bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// Eats user input, and a window system's request to close a window, for as
// long as it is installed on the application.
class InputBlocker : public QObject {
public:
    InputBlocker(const LineWorker::InputPass& pass, const std::function<void()>& refused)
        : pass_(pass), refused_(refused) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool shortcut = event->type() == QEvent::ShortcutOverride;
        const bool closeRequest = event->type() == QEvent::Close && event->spontaneous();
        if (!shortcut && !closeRequest && !IsUserInput(*event))
            return false;
        if (pass_ && pass_(receiver))
            return false;
        if (shortcut)
            event->accept(); // accepted, a key is no shortcut; the key press after it is eaten
        else if (closeRequest)
            event->ignore();
        const bool pressed =
            event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
        if (pressed && refused_)
            refused_();
        return true;
    }

private:
    const LineWorker::InputPass& pass_;
    const std::function<void()>& refused_;
};

} // namespace

LineWorker::LineWorker() {
    thread_.setObjectName("serial line");
    context_ = new QObject;
    context_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
}

LineWorker::~LineWorker() {
    if (!thread_.isRunning()) {
        delete context_; // never started: nothing lives on the thread
        return;
    }
    thread_.quit();
    thread_.wait();
}

void LineWorker::start() {
    if (!thread_.isRunning())
        thread_.start();
}

void LineWorker::run(const std::function<void()>& job) {
    if (QThread::currentThread() == &thread_ || QCoreApplication::instance() == nullptr) {
        job();
        return;
    }
    start();
    QEventLoop loop;
    const InputBlocker blocker(inputPass_, refusalNotice_);
    QMetaObject::invokeMethod(context_, [&job, &loop] {
        job();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
}

void LineWorker::runBlocking(const std::function<void()>& job) {
    if (QThread::currentThread() == &thread_) {
        job();
        return;
    }
    start();
    QMetaObject::invokeMethod(context_, job, Qt::BlockingQueuedConnection);
}

WorkerSerialLine::WorkerSerialLine(LineWorker& worker, const LineFactory& makeLine)
    : worker_(worker), makeLine_(makeLine) {}

WorkerSerialLine::~WorkerSerialLine() {
    if (line_)
        worker_.runBlocking([this] { line_.reset(); });
}

template <class Result>
Result WorkerSerialLine::onWorker(const std::function<Result(SerialLine&)>& operation) {
    Result result{};
    worker_.run([&] {
        if (!line_) {
            line_ = makeLine_();
            interruptible_ = line_.get();
        }
        result = operation(*line_);
        open_ = line_->isOpen();
        error_ = line_->errorText();
    });
    return result;
}

OpenResult WorkerSerialLine::open(const LineSettings& settings) {
    return onWorker<OpenResult>([&](SerialLine& line) { return line.open(settings); });
}

bool WorkerSerialLine::close() {
    return onWorker<bool>([](SerialLine& line) { return line.close(); });
}

bool WorkerSerialLine::purge() {
    return onWorker<bool>([](SerialLine& line) { return line.purge(); });
}

bool WorkerSerialLine::write(const std::uint8_t* data, int count) {
    return onWorker<bool>([&](SerialLine& line) { return line.write(data, count); });
}

int WorkerSerialLine::read(std::uint8_t* buffer, int count) {
    return onWorker<int>([&](SerialLine& line) {
        line.setReadTimeoutMs(readTimeoutMs_);
        return line.read(buffer, count);
    });
}

bool WorkerSerialLine::stillThere() {
    return onWorker<bool>([](SerialLine& line) { return line.stillThere(); });
}

int WorkerSerialLine::drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) {
    return onWorker<int>([&](SerialLine& line) { return line.drain(quietMs, boundMs, dropped); });
}

// Kept here and handed over with the next read: a survey sets it before
// every read, and a trip to the worker each time would cost more than the read.
void WorkerSerialLine::setReadTimeoutMs(int ms) {
    readTimeoutMs_ = ms;
}

// Before the first operation there is no line, and nothing under way to interrupt.
void WorkerSerialLine::setInterrupted(bool on) {
    if (SerialLine* line = interruptible_)
        line->setInterrupted(on);
}

std::string WorkerSerialLine::errorText() const {
    return error_;
}

void WorkerClock::sleepMs(int ms) {
    worker_.run([this, ms] { base_.sleepMs(ms); });
}
