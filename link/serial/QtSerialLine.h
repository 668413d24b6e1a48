#pragma once

#include "link/serial/SystemSerialLine.h"

#include <QSerialPort>

#include <atomic>

// SerialLine on QSerialPort, blocking on the calling thread.
class QtSerialLine : public SerialLine {
public:
    OpenResult open(const LineSettings& settings) override;
    bool close() override;
    bool isOpen() const override;
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
    void forgetStaleError();
    int lineError();
    bool quietTimeout();
    bool waitForBytes(int ms);
    bool writeFailed();

    QSerialPort port_;
    std::string path_; // of the device open
    std::string error_;
    int readTimeoutMs_ = 0;
    std::atomic<bool> interrupted_ = false;
};
