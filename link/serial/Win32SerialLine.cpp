#include "link/serial/Win32SerialLine.h"

#include "link/LinkTexts.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace {

// Waits are cut into slices this long, so that an interruption ends them soon.
constexpr int kWaitSliceMs = 20;
constexpr char kDevicePrefix[] = "\\\\.\\";

int TotalTimeoutMs(int count) {
    return 1000 + 100 * count;
}

BYTE ToDcb(LineParity parity) {
    switch (parity) {
    case LineParity::Odd:
        return ODDPARITY;
    case LineParity::Even:
        return EVENPARITY;
    case LineParity::None:
        break;
    }
    return NOPARITY;
}

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string utf8(length * 3 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, nullptr);
    LocalFree(text);
    utf8.resize(static_cast<std::size_t>(std::max(size, 0)));
    while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == ' '))
        utf8.pop_back();
    return utf8.empty() ? "system error " + std::to_string(code) : utf8;
}

bool IsComName(const std::string& name) {
    return name.size() > 3 && (name.rfind("COM", 0) == 0 || name.rfind("com", 0) == 0) &&
           std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Stopwatch {
public:
    int elapsedMs() const {
        return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start_)
                                    .count());
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace

std::unique_ptr<SerialLine> NewSystemSerialLine() {
    return std::make_unique<Win32SerialLine>();
}

Win32SerialLine::~Win32SerialLine() {
    close();
}

OpenResult Win32SerialLine::open(const LineSettings& settings) {
    close();
    // A COM name the list lacks may still be a port (one that appeared since); a device
    // path (command-line tools) names itself.
    std::string path = ResolvePortPath(SystemPortList(), settings.portName);
    if (path.empty() &&
        (IsComName(settings.portName) || settings.portName.rfind(kDevicePrefix, 0) == 0))
        path = settings.portName;
    if (path.empty()) {
        error_ = "no such port: " + settings.portName;
        return OpenResult::Failed;
    }
    if (path.rfind(kDevicePrefix, 0) != 0)
        path = kDevicePrefix + path; // COM10 and above open only so
    handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        failed("CreateFile");
        return OpenResult::Failed;
    }
    if (!applySettings(settings)) {
        failed("SetCommState");
        close();
        return OpenResult::SettingsRefused;
    }
    return OpenResult::Opened;
}

// 8 data bits, no flow control, modem lines low, and errors that do not stop the port:
// a byte with a framing or parity error is passed on and the frame check refuses it.
bool Win32SerialLine::applySettings(const LineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle_, &dcb))
        return false;
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = 8;
    dcb.Parity = ToDcb(settings.parity);
    dcb.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != LineParity::None;
    dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = dcb.fInX = dcb.fErrorChar = dcb.fNull = dcb.fAbortOnError = FALSE;
    if (!SetCommState(handle_, &dcb))
        return false;
    // Reads return at once with what has come; writes end by 1000 ms + 100 ms a byte.
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 100, 1000};
    return SetCommTimeouts(handle_, &timeouts) && PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);
}

bool Win32SerialLine::close() {
    if (handle_ == INVALID_HANDLE_VALUE)
        return true;
    const bool closed = CloseHandle(handle_) || failed("CloseHandle");
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
}

bool Win32SerialLine::purge() {
    return PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT) ||
           failed("PurgeComm");
}

// A block the port did not take whole by the write time-out fails as well (a line held
// up); stillThere() tells that from a port that is gone.
bool Win32SerialLine::write(const std::uint8_t* data, int count) {
    DWORD written = 0;
    if (!WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr) ||
        !FlushFileBuffers(handle_))
        return failed("WriteFile");
    if (static_cast<int>(written) == count)
        return true;
    error_ = "WriteFile: " + std::to_string(written) + " of " + std::to_string(count) + " bytes";
    return false;
}

int Win32SerialLine::read(std::uint8_t* buffer, int count) {
    const Stopwatch watch;
    int got = 0;
    while (got < count) {
        const int limit = readTimeoutMs_ > 0 ? readTimeoutMs_ : TotalTimeoutMs(count);
        const int left = limit - watch.elapsedMs();
        const int wait = std::max(0, got > 0 ? std::min(kByteGapMs, left) : left);
        const int n = readSome(buffer + got, count - got, wait);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

int Win32SerialLine::drain(int quietMs, int boundMs, std::vector<std::uint8_t>& dropped) {
    const Stopwatch watch;
    const int already = waiting();
    if (already <= 0)
        return already;
    int count = 0;
    std::uint8_t chunk[256];
    for (int wait = 0;; wait = std::min(quietMs, boundMs - watch.elapsedMs())) {
        const int n = readSome(chunk, sizeof chunk, std::max(wait, 0));
        if (n < 0)
            return -1;
        dropped.insert(dropped.end(), chunk, chunk + n);
        count += n;
        if ((n == 0 && wait > 0) || watch.elapsedMs() >= boundMs)
            return count;
    }
}

// Bytes that have come and wait to be read, or -1 when the port failed.
int Win32SerialLine::waiting() {
    DWORD errors = 0;
    COMSTAT status{};
    if (ClearCommError(handle_, &errors, &status))
        return static_cast<int>(status.cbInQue);
    failed("ClearCommError");
    return -1;
}

// Up to count bytes as soon as some have come, waiting at most waitMs for the first:
// 0 when none came (or the line was interrupted), -1 when the port failed.
int Win32SerialLine::readSome(std::uint8_t* buffer, int count, int waitMs) {
    const Stopwatch watch;
    for (;;) {
        const int slice =
            interrupted_ ? 0 : std::clamp(waitMs - watch.elapsedMs(), 0, kWaitSliceMs);
        // With both first fields at MAXDWORD a read returns what has come, or waits up to
        // the constant for the first byte; MAXDWORD, 0, 0 returns at once.
        COMMTIMEOUTS timeouts{MAXDWORD, slice > 0 ? MAXDWORD : 0, static_cast<DWORD>(slice), 100,
                              1000};
        DWORD got = 0;
        if (!SetCommTimeouts(handle_, &timeouts) ||
            !ReadFile(handle_, buffer, static_cast<DWORD>(count), &got, nullptr)) {
            failed("ReadFile");
            return -1;
        }
        if (got > 0)
            return static_cast<int>(got);
        if (slice == 0 || watch.elapsedMs() >= waitMs)
            return 0;
    }
}

// The second look after a failed call: the port is gone only when the system no longer
// answers for its handle (an adapter pulled out: access denied, device removed). It also
// clears the port's error state (framing, parity, overrun).
bool Win32SerialLine::stillThere() {
    if (handle_ == INVALID_HANDLE_VALUE) {
        error_ = link_text::kReasonClosed;
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    DWORD errors = 0;
    COMSTAT status{};
    if (GetCommState(handle_, &dcb) && ClearCommError(handle_, &errors, &status))
        return true;
    return failed("GetCommState");
}

// Notes why the call failed; always false.
bool Win32SerialLine::failed(const char* call) {
    error_ = std::string(call) + ": " + SystemMessage(GetLastError());
    return false;
}
