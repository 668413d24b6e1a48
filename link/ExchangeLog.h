#pragma once

#include "link/LinkFrame.h"

#include <QObject>

#include <cstdint>
#include <deque>

// The exchange log: a ring of the last frames of the device link. Frames come
// in on the thread that runs the exchanges, between two line operations, so
// keeping one costs the exchange a copy; a window learns of them through a
// queued connection to recorded() and catches up when its thread is free.
class ExchangeLog : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kCapacity = 10000;
    explicit ExchangeLog(std::size_t capacity = kCapacity) : capacity_(capacity) {}

    // Kept unless paused; the oldest frame goes when the ring is full.
    void record(LinkFrame frame);
    // While paused, frames are not kept.
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }
    void clear();

    // Frames are numbered in the order kept, across clears: a reader holds on
    // to numbers, which stay valid while firstNumber() <= n < endNumber().
    std::uint64_t firstNumber() const { return first_; }
    std::uint64_t endNumber() const { return first_ + frames_.size(); }
    const LinkFrame& frame(std::uint64_t number) const {
        return frames_[static_cast<std::size_t>(number - first_)];
    }

signals:
    void recorded();

private:
    std::size_t capacity_;
    std::deque<LinkFrame> frames_;
    std::uint64_t first_ = 0;
    bool paused_ = false;
};
