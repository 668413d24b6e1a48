#pragma once

#include "link/SerialLine.h"
#include "tests/support/FakeClock.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <vector>

// A scripted serial line on a FakeClock. Every write is recorded and passed to
// the responder, whose answer arrives in pieces, each after its delay from the
// previous one. Reads follow the line's time-outs in test time: up to
// 1000 ms + 100 ms per requested byte in all, 100 ms between two bytes.
class FakeSerialLine : public SerialLine {
public:
    using Bytes = std::vector<std::uint8_t>;
    struct Piece {
        int delayMs = 0;
        Bytes bytes;
    };
    using Answer = std::vector<Piece>;

    explicit FakeSerialLine(FakeClock& clock) : clock_(clock) {}

    OpenResult open(const LineSettings& settings) override {
        opened.push_back(settings);
        if (openResult == OpenResult::Opened)
            portOpen = true;
        return openResult;
    }
    bool close() override {
        ++closes;
        portOpen = false;
        return !failClose;
    }
    bool isOpen() const override { return portOpen; }
    // As a port does: what has arrived is dropped, what is still on its way
    // arrives later all the same.
    bool purge() override {
        ++purges;
        if (noise())
            return false;
        while (!pending_.empty() && pending_.front().at <= clock_.now)
            pending_.pop_front();
        return !failPurge;
    }
    bool write(const std::uint8_t* data, int count) override {
        if (failWrite || noise())
            return false;
        writes.emplace_back(data, data + count);
        writeTimes.push_back(clock_.now);
        if (respond)
            schedule(respond(writes.back()));
        return true;
    }
    int read(std::uint8_t* buffer, int count) override {
        if (failRead || noise())
            return -1;
        ++reads;
        const std::int64_t deadline =
            interrupted ? clock_.now
                        : clock_.now + (readTimeoutMs > 0 ? readTimeoutMs : 1000 + 100 * count);
        int got = 0;
        std::int64_t last = clock_.now;
        while (got < count) {
            if (pending_.empty() || pending_.front().at > deadline ||
                (got > 0 && pending_.front().at - last > 100)) {
                clock_.now = got > 0 ? std::min(deadline, last + 100) : deadline;
                break;
            }
            last = std::max(last, pending_.front().at);
            clock_.now = last;
            buffer[got++] = pending_.front().byte;
            pending_.pop_front();
        }
        bytesRead += got;
        return got;
    }
    // Quiet is counted from the moment the line is asked, as a real port does.
    int drain(int quietMs, int boundMs, Bytes& dropped) override {
        if (failRead || noise())
            return -1;
        ++drains;
        const std::int64_t end = clock_.now + boundMs;
        if (pending_.empty() || pending_.front().at > clock_.now)
            return 0;
        int got = 0;
        while (!pending_.empty() && pending_.front().at <= std::min(end, clock_.now + quietMs)) {
            clock_.now = std::max(clock_.now, pending_.front().at);
            dropped.push_back(pending_.front().byte);
            pending_.pop_front();
            ++got;
        }
        clock_.now = std::min(end, clock_.now + quietMs);
        bytesDrained += got;
        return got;
    }
    // The next read ends at once with what has arrived.
    void setInterrupted(bool on) override { interrupted = on; }
    void setReadTimeoutMs(int ms) override { readTimeoutMs = ms; }
    // The failures set by failPurge, failWrite and failRead are a port gone;
    // those of noisyOperations a port still there.
    bool stillThere() override {
        ++looks;
        return !failPurge && !failWrite && !failRead;
    }
    std::string errorText() const override { return "line error"; }

    // Bytes arriving without a request, e.g. late or foreign ones.
    void schedule(const Answer& answer) {
        std::int64_t at = std::max(clock_.now, pending_.empty() ? 0 : pending_.back().at);
        for (const Piece& piece : answer) {
            at += piece.delayMs;
            for (std::uint8_t b : piece.bytes)
                pending_.push_back({at, b});
        }
    }

    // The same answer to every request.
    void answerAlways(const Answer& answer) {
        respond = [answer](const Bytes&) { return answer; };
    }

    std::function<Answer(const Bytes&)> respond;
    std::vector<Bytes> writes;
    std::vector<std::int64_t> writeTimes;
    std::vector<LineSettings> opened;
    OpenResult openResult = OpenResult::Opened;
    bool portOpen = false;
    bool failClose = false;
    bool failPurge = false;
    bool failWrite = false;
    bool failRead = false;
    // Operations (purge, write, read, drain, counted from 1) that fail on a port
    // that is still there: noise.
    std::set<int> noisyAt;
    int operations = 0;
    int looks = 0;
    bool interrupted = false;
    int readTimeoutMs = 0;
    int closes = 0;
    int purges = 0;
    int reads = 0;
    int bytesRead = 0;
    int drains = 0;
    int bytesDrained = 0;

private:
    bool noise() { return noisyAt.count(++operations) > 0; }

    struct Timed {
        std::int64_t at;
        std::uint8_t byte;
    };
    FakeClock& clock_;
    std::deque<Timed> pending_;
};
