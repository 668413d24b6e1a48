#pragma once

#include "link/serial/SystemSerialLine.h"

#include <windows.h>

#include <atomic>

// SerialLine on the Win32 communications API, blocking on the calling thread, with the
// time-outs and the meaning of every call that QtSerialLine has on Linux. A failed call
// is reported as such; stillThere() then tells a port that is gone (the system no longer
// answers for its handle) from noise. Framing, parity and overrun errors do not stop the
// port: the bytes go on to the frame check, which refuses them.
class Win32SerialLine : public SerialLine {
public:
    ~Win32SerialLine() override;
    OpenResult open(const LineSettings& settings) override;
    bool close() override;
    bool isOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
    bool purge() override;
    bool write(const std::uint8_t* data, int count) override;
    int read(std::uint8_t* buffer, int count) override;
    int drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) override;
    void setInterrupted(bool on) override { interrupted_ = on; }
    bool stillThere() override;
    std::string errorText() const override { return error_; }
    void setReadTimeoutMs(int ms) override { readTimeoutMs_ = ms; }

private:
    bool applySettings(const LineSettings& settings);
    int waiting();
    int readSome(std::uint8_t* buffer, int count, int waitMs);
    bool failed(const char* call);

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string error_;
    int readTimeoutMs_ = 0;
    std::atomic<bool> interrupted_ = false;
};
