#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class LineParity { None, Odd, Even };

// The longest quiet time inside one answer: a longer one ends the read.
inline constexpr int kByteGapMs = 100;

// Settings applied when the line is opened; 8 data bits and no flow control
// are fixed.
struct LineSettings {
    std::string portName; // a COM name; the line resolves it to its device
    int baudRate = 9600;
    LineParity parity = LineParity::None;
    int stopBits = 2;
};

enum class OpenResult {
    Opened,
    Failed,         // absent, in use or vanished: the hardware needs attention
    SettingsRefused // the port exists but cannot run these settings
};

// What the device link needs of a serial port. Reads and writes block under
// the line's fixed time-outs: at most 100 ms between two bytes and
// 1000 ms + 100 ms per requested byte for a whole read (the same for writes).
class SerialLine {
public:
    virtual ~SerialLine() = default;
    virtual OpenResult open(const LineSettings& settings) = 0;
    // false when closing failed; the line counts as closed afterwards anyway.
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // Drops what is waiting in both directions; false on a line error.
    virtual bool purge() = 0;
    // Returns when the block is sent; false on a line error.
    virtual bool write(const std::uint8_t* data, int count) = 0;
    // Reads up to count bytes: the number received (0..count) when count bytes
    // have arrived or a time-out ran out, or -1 on a line error.
    virtual int read(std::uint8_t* buffer, int count) = 0;
    // Drops what has arrived and whatever follows until the line has been quiet
    // for quietMs, but for at most boundMs in all; returns at once when nothing
    // has arrived. The number of bytes dropped, or -1 on a line error; the
    // bytes themselves are appended to dropped.
    virtual int drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) = 0;
    // Cuts short a read or drain under way on another thread, and every later
    // one, as if the line had fallen quiet, until cleared. Safe to call from
    // any thread.
    virtual void setInterrupted(bool on) = 0;
    // A whole read lasts at most ms instead of 1000 ms + 100 ms per byte; 0
    // goes back to the line's own time-outs. For surveys that ask many
    // addresses once.
    virtual void setReadTimeoutMs(int ms) = 0;
    // A second look at the port after an operation failed: false only when the
    // system says the device itself is gone (its node removed, the line hung
    // up, the handle dead); errorText() then says why. A failure on a port
    // that is still there (framing, parity, an overrun, a refused control
    // call) is noise on the line, not a lost port.
    virtual bool stillThere() = 0;
    // Text of the last line error, for the operator.
    virtual std::string errorText() const = 0;
};
