#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The protocol side of vil3k-sim: a ВИЛ-3K device that answers requests from
// an in-memory execution code, image and clock, with switchable line faults.
// Time comes in from outside (milliseconds), so the device is tested without
// waiting.

struct SimFaults {
    bool silent = false;        // never answers
    bool oneByte = false;       // the first byte of every answer, then nothing
    bool shortBody = false;     // every answer one byte short
    int badCrc = 0;             // answers with a wrong CRC: the first k, or all when < 0
    bool wrongFunction = false; // a function byte that belongs to no request
    int exceptionFunction = -1; // answer this function with exceptionCode
    int exceptionCode = 0;
    int lateMs = 0;            // every answer this late
    int busyConfirmations = 0; // the first k confirmations get exception 6
    std::uint8_t status = 0;   // status byte of the identification
    int imageCount = 250;      // byte count of the image answer
};

struct SimClock {
    int second = 0, minute = 0, hour = 0, day = 1, month = 1;
};

struct SimReply {
    std::vector<std::uint8_t> bytes;
    int delayMs = 0;
};

class SimulatedDevice {
public:
    explicit SimulatedDevice(const SimFaults& faults) : faults_(faults) {}

    // Takes bytes from the line; returns the answers to every request they
    // complete (none for writes, foreign addresses and broken frames).
    std::vector<SimReply> receive(const std::uint8_t* data, int count, std::int64_t nowMs);
    // A pause on the line ends any half-received request.
    void dropPartial() { pending_.clear(); }

    SimClock clockAt(std::int64_t nowMs) const;
    // A value outside its calendar range (second 75, month 13) stops the
    // clock: the registers keep what was sent until the next setting.
    void setClock(const SimClock& clock, std::int64_t nowMs);

    int address = 1;
    std::uint8_t execFirst = 24;
    std::uint8_t execSecond = 8;
    std::array<std::uint8_t, 250> image{};
    int imageWrites = 0; // grows with every 0x45 taken

private:
    int requestLength(std::uint8_t functionCode) const;
    bool handle(const std::vector<std::uint8_t>& request, std::int64_t nowMs, SimReply& reply);
    std::vector<std::uint8_t> answerTo(const std::vector<std::uint8_t>& request,
                                       std::int64_t nowMs);
    void applyFaults(std::uint8_t functionCode, std::vector<std::uint8_t>& answer);

    SimFaults faults_;
    std::vector<std::uint8_t> pending_;
    long long clockBase_ = 0; // device time in seconds at clockSetAt_
    std::int64_t clockSetAt_ = 0;
    std::optional<SimClock> stoppedClock_;
    int repliesSent_ = 0;
};
