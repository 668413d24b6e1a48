#pragma once

#include "link/SerialLine.h"
#include "ui/Clock.h"

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

// The one thread that talks to the serial line, started with the first job. Each
// job handed to run() goes there, one after another, so exchanges never overlap on
// the line. The
// calling thread waits in a local event loop: the window keeps repainting and
// timers keep running, but no keyboard or mouse input and no close request
// reaches any window until the job is done.
class LineWorker {
public:
    LineWorker();
    ~LineWorker();
    LineWorker(const LineWorker&) = delete;
    LineWorker& operator=(const LineWorker&) = delete;

    // Returns once job has run on the worker. Called on the worker itself, or
    // without an application object, the job runs at once.
    void run(const std::function<void()>& job);
    // Runs job on the worker without an event loop on the caller: for taking
    // down what lives there.
    void runBlocking(const std::function<void()>& job);

    // Input for which pass(receiver) holds reaches its window while a job
    // runs: a dialog that polls the device stays usable during its own
    // exchanges while the rest of the program waits.
    using InputPass = std::function<bool(QObject* receiver)>;
    void setInputPass(InputPass pass) { inputPass_ = std::move(pass); }
    // Told of every key or mouse button pressed in vain while a job runs, so
    // that a command asked for meanwhile is not dropped without a word.
    void setRefusalNotice(std::function<void()> notice) { refusalNotice_ = std::move(notice); }

private:
    void start();

    InputPass inputPass_;
    std::function<void()> refusalNotice_;
    QThread thread_;
    QObject* context_ = nullptr; // lives on thread_; jobs are queued to it
};

// A SerialLine whose every operation runs on a LineWorker. The line itself is
// made (at the first operation) and destroyed on the worker (a QSerialPort
// belongs to the thread that made it).
class WorkerSerialLine : public SerialLine {
public:
    using LineFactory = std::function<std::unique_ptr<SerialLine>()>;
    WorkerSerialLine(LineWorker& worker, const LineFactory& makeLine);
    ~WorkerSerialLine() override;

    OpenResult open(const LineSettings& settings) override;
    bool close() override;
    // What the last operation left; asks the worker nothing.
    bool isOpen() const override { return open_; }
    bool purge() override;
    bool write(const std::uint8_t* data, int count) override;
    int read(std::uint8_t* buffer, int count) override;
    int drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) override;
    // Reaches the line at once, not after the operation under way.
    void setInterrupted(bool on) override;
    void setReadTimeoutMs(int ms) override;
    bool stillThere() override;
    std::string errorText() const override;

private:
    template <class Result> Result onWorker(const std::function<Result(SerialLine&)>& operation);

    LineWorker& worker_;
    LineFactory makeLine_;
    std::unique_ptr<SerialLine> line_;                 // made and used on the worker
    std::atomic<SerialLine*> interruptible_ = nullptr; // line_, for setInterrupted
    std::atomic<bool> open_ = false;
    std::atomic<int> readTimeoutMs_ = 0; // handed to the line with each read
    std::string error_;
};

// A clock whose pauses pass on the worker, so that the pauses between and
// inside exchanges keep the window alive as the exchanges do.
class WorkerClock : public Clock {
public:
    WorkerClock(LineWorker& worker, Clock& base) : worker_(worker), base_(base) {}
    std::int64_t monotonicMs() override { return base_.monotonicMs(); }
    void sleepMs(int ms) override;
    WallTime wallNow() override { return base_.wallNow(); }

private:
    LineWorker& worker_;
    Clock& base_;
};
