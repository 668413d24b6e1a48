#pragma once

// What a start-up run tells StartupBench: once its main window has been painted for the
// first time, the nanoseconds since the bench launched the process and the resident
// memory in kilobytes, on one line of standard output; then the process ends at once.

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

inline long long MonotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

inline long ResidentKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

class StartupProbe : public QObject {
public:
    // `launchedNs` is the bench's clock when it started the process.
    StartupProbe(QWidget& window, long long launchedNs) : launchedNs_(launchedNs) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Reported once the paint is over.
            QTimer::singleShot(0, [this] { report(); });
        }
        return false;
    }

private:
    void report() const {
        std::printf("%lld %ld\n", MonotonicNs() - launchedNs_, ResidentKb());
        std::fflush(stdout);
        // Nothing after start-up is measured: no closing questions, no clean-up.
        std::_Exit(0);
    }

    long long launchedNs_;
    bool painted_ = false;
};
