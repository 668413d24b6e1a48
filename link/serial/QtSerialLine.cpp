#include "link/serial/QtSerialLine.h"

#include "link/LinkTexts.h"
#include "link/serial/PortPresence.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>

namespace {

// Waits are cut into slices this long, so that an interruption ends them soon.
constexpr int kWaitSliceMs = 20;

int TotalTimeoutMs(int count) {
    return 1000 + 100 * count;
}

QSerialPort::Parity ToQt(LineParity parity) {
    switch (parity) {
    case LineParity::Odd:
        return QSerialPort::OddParity;
    case LineParity::Even:
        return QSerialPort::EvenParity;
    case LineParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

} // namespace

std::vector<PortEntry> SystemPortList() {
    std::vector<std::string> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(info.systemLocation().toStdString());
    return BuildPortList(ports, false, qEnvironmentVariable("VIL3K_PORTS").toStdString());
}

std::unique_ptr<SerialLine> NewSystemSerialLine() {
    return std::make_unique<QtSerialLine>();
}

OpenResult QtSerialLine::open(const LineSettings& settings) {
    close();
    // A COM name stands for the device the port list gives it; a device path
    // (command-line tools) names itself.
    std::string path = ResolvePortPath(SystemPortList(), settings.portName);
    if (path.empty() && settings.portName.find('/') != std::string::npos)
        path = settings.portName;
    if (path.empty()) {
        error_ = "no such port: " + settings.portName;
        return OpenResult::Failed;
    }
    port_.setPortName(QString::fromStdString(path));
    path_ = path;
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = port_.errorString().toStdString();
        port_.clearError();
        return OpenResult::Failed;
    }
    if (!applySettings(settings)) {
        error_ = port_.errorString().toStdString();
        port_.close();
        port_.clearError();
        return OpenResult::SettingsRefused;
    }
    return OpenResult::Opened;
}

// Settings go in after opening, where the port says what it cannot do (a
// pseudo-terminal knows no parity); an open with preset settings would not.
bool QtSerialLine::applySettings(const LineSettings& settings) {
    const bool applied =
        port_.setBaudRate(settings.baudRate) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(ToQt(settings.parity)) &&
        port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!applied)
        return false;
    // Where the port has no modem lines (a pseudo-terminal) this fails harmlessly.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    return true;
}

bool QtSerialLine::close() {
    if (port_.isOpen())
        port_.close();
    port_.clearError();
    return true;
}

bool QtSerialLine::isOpen() const {
    return port_.isOpen();
}

bool QtSerialLine::stillThere() {
    if (!port_.isOpen()) {
        error_ = link_text::kReasonClosed;
        return false;
    }
    std::string why;
    if (SerialDevicePresent(static_cast<int>(port_.handle()), path_, why))
        return true;
    error_ = why;
    return false;
}

// An error the port noted while nobody asked it (a read notification of the
// thread's event loop between two operations, with whatever the last system
// call left behind) is none of the next operation's business.
void QtSerialLine::forgetStaleError() {
    if (port_.error() != QSerialPort::NoError)
        port_.clearError();
}

bool QtSerialLine::purge() {
    forgetStaleError();
    if (port_.clear(QSerialPort::AllDirections))
        return true;
    lineError();
    return false;
}

int QtSerialLine::lineError() {
    error_ = port_.error() == QSerialPort::NoError ? link_text::kReasonClosed
                                                   : port_.errorString().toStdString();
    port_.clearError();
    return -1;
}

bool QtSerialLine::writeFailed() {
    lineError();
    return false;
}

bool QtSerialLine::write(const std::uint8_t* data, int count) {
    forgetStaleError();
    if (port_.write(reinterpret_cast<const char*>(data), count) != count)
        return writeFailed();
    QElapsedTimer timer;
    timer.start();
    while (port_.bytesToWrite() > 0) {
        const qint64 left = TotalTimeoutMs(count) - timer.elapsed();
        if (left <= 0 || !port_.waitForBytesWritten(static_cast<int>(left)))
            return writeFailed();
    }
    return true;
}

int QtSerialLine::read(std::uint8_t* buffer, int count) {
    forgetStaleError();
    QElapsedTimer timer;
    timer.start();
    int got = 0;
    while (got < count) {
        const qint64 n = port_.read(reinterpret_cast<char*>(buffer) + got, count - got);
        if (n < 0)
            return lineError();
        got += static_cast<int>(n);
        if (got == count)
            break;
        const qint64 limit = readTimeoutMs_ > 0 ? readTimeoutMs_ : TotalTimeoutMs(count);
        const qint64 left = limit - timer.elapsed();
        if (left <= 0)
            break;
        const int wait = static_cast<int>(got > 0 ? std::min<qint64>(kByteGapMs, left) : left);
        if (!waitForBytes(wait)) {
            if (!quietTimeout())
                return lineError();
            break;
        }
    }
    return got;
}

int QtSerialLine::drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) {
    forgetStaleError();
    QElapsedTimer timer;
    timer.start();
    // Bytes that came while nobody read are still with the system: a wait of
    // no time fetches them.
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(0))
        return quietTimeout() ? 0 : lineError();
    int count = 0;
    for (;;) {
        const QByteArray bytes = port_.readAll();
        if (port_.error() != QSerialPort::NoError)
            return lineError();
        count += static_cast<int>(bytes.size());
        dropped.insert(dropped.end(), bytes.begin(), bytes.end());
        const qint64 left = boundMs - timer.elapsed();
        if (left <= 0)
            return count;
        if (!waitForBytes(static_cast<int>(std::min<qint64>(quietMs, left))))
            return quietTimeout() ? count : lineError();
    }
}

// After a wait that ended without data: true when the line was merely quiet.
bool QtSerialLine::quietTimeout() {
    if (port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError)
        return false;
    port_.clearError();
    return true;
}

// Waits up to ms for bytes to arrive: true when some did. False when the time
// ran out, the line was interrupted, or it failed (its error then stays set).
bool QtSerialLine::waitForBytes(int ms) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const qint64 left = ms - timer.elapsed();
        if (interrupted_ || left <= 0)
            return false;
        if (port_.waitForReadyRead(static_cast<int>(std::min<qint64>(left, kWaitSliceMs))))
            return true;
        if (!quietTimeout())
            return false;
    }
}
