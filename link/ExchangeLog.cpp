#include "link/ExchangeLog.h"

void ExchangeLog::record(LinkFrame frame) {
    if (paused_ || capacity_ == 0)
        return;
    if (frames_.size() == capacity_) {
        frames_.pop_front();
        ++first_;
    }
    frames_.push_back(std::move(frame));
    emit recorded();
}

void ExchangeLog::clear() {
    first_ = endNumber();
    frames_.clear();
    emit recorded();
}
