#pragma once

#include "link/ExchangeResult.h"
#include "link/Frames.h"
#include "link/LinkFrame.h"
#include "link/SerialLine.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

class Clock;
class Messages;

// The device link: port settings, the request in progress and the
// request/response transaction with its retries and pauses.
class DeviceLink {
public:
    DeviceLink(SerialLine& line, Clock& clock, Messages& messages);

    // Applies the port settings and opens the port: 0 when open, -1 otherwise.
    int SetupPort();
    // The port at start-up, with the same settings and checks as SetupPort; a
    // port that cannot be opened only stays closed, without a message box. true
    // when open; otherwise reason says why.
    bool OpenQuietly(std::string& reason);
    // Closes the port; a failure to close is ignored.
    void ClosePort();
    // Before a device command: a port lost since it was last open is opened
    // again, once, with its settings. Closed when it stays closed (LossReason()
    // then says why); Open also for a port never opened, of which the command
    // says what it always says.
    enum class PortState { Open, Reopened, Closed };
    PortState ReopenIfLost();
    bool IsPortOpen() const;

    // One exchange with the device at addressIndex + 1 (0..30). The answer goes
    // to response, which must hold the longest answer asked for
    // (kMaxResponseSize holds any).
    ExchangeResult Transact(int addressIndex, std::uint8_t functionCode, int dataCount,
                            const std::uint8_t* data, std::span<std::uint8_t> response);
    // Waits until the line has been quiet for the time allowed between two bytes
    // and then empties it, so that the rest of a late or broken answer, or a
    // stray byte, is not read as the start of the next answer. Done before every
    // repeated attempt; what it drops is a frame of that failed attempt. 0, or
    // kResultLineFailed after the line failed.
    ExchangeResult DrainAndPurge(int attempt = 1);
    // Ends the exchange under way as soon as it can, with kResultAbandoned: a
    // read or pause in progress is cut short. Called from the event loop that
    // keeps the window alive while the exchange waits. The next exchange
    // starts afresh, with a purge of the line.
    void Abandon();
    // Pauses at least ms milliseconds without spinning (less when the exchange
    // is abandoned); returns the time passed.
    int WaitMs(int ms);

    int GetHeaderRetries() const { return HeaderRetries; }
    int GetBodyRetries() const { return BodyRetries; }
    int GetSendDelay() const { return SendDelay; }
    int GetReceiveDelay() const { return ReceiveDelay; }
    // Retry counts below 1 would never end a failing stage: they become 1.
    void SetHeaderRetries(int value);
    void SetBodyRetries(int value);
    void SetSendDelay(int value);
    void SetReceiveDelay(int value) { ReceiveDelay = value; }
    // The pause after a failed attempt (300 ms); a survey of a whole line with one
    // attempt per address sets it shorter.
    void SetRetryPause(int ms) { retryPauseMs_ = ms; }
    int GetRetryPause() const { return retryPauseMs_; }

    int GetFrameLength() const { return FrameLength; }
    int GetDataCount() const { return DataCount; }
    int GetResponseLength() const { return ResponseLength; }
    int GetResponseByteCount() const { return ResponseByteCount; }
    const std::uint8_t* RequestFrame() const { return request_.data(); }

    // Told when an exchange starts again after a failed attempt (attempt 2, 3, ...)
    // and when an exchange ends, with its result: for the status bar.
    struct Observer {
        std::function<void(int attempt)> retrying;
        std::function<void(ExchangeResult result)> finished;
    };
    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    // Told of every frame written, read or emptied from the line, as it
    // happens: the exchange log and the command-line trace.
    using FrameObserver = std::function<void(LinkFrame frame)>;
    void SetFrameObserver(FrameObserver observer) { frameObserver_ = std::move(observer); }

    // Told when the port has failed and been closed (it could not be opened, or
    // the line failed under an exchange): the program goes on without it until
    // a port is opened again.
    void SetPortLostNotice(std::function<void()> notice) { portLostNotice_ = std::move(notice); }
    // Why the port is closed since it failed, after its name: "COM1 отключен
    // (Input/output error)". Empty while open and until the port first fails.
    const std::string& LossReason() const { return lossReason_; }
    // The port failed under another link on the same line: the reason it gave,
    // as if it had failed here.
    void TakeLoss(const std::string& reason);
    // The line failed under an exchange of the caller's own (a survey's
    // question): said once, logged and the port closed, as under Transact.
    // Returns kResultLineFailed.
    ExchangeResult LineFailed();
    // An operation of the caller's own on the line failed: decided as under
    // Transact. kResultLineFailed when the port is gone (then as LineFailed),
    // kResultLineNoise (logged) when it is still there.
    ExchangeResult LineError();
    Messages& messages() { return messages_; }

    // Port settings, as the port settings dialog writes them. Any length of
    // name is held (COM10 .. COM256).
    std::string BaudRate = "9600";
    std::string Parity = "N";
    std::string StopBits = "2";
    std::string PortName = "COM1";

private:
    // The port settings as the line takes them; none when one is out of range.
    std::optional<LineSettings> ParseSettings() const;
    ExchangeResult Exchange(int addressIndex, std::uint8_t functionCode, int dataCount,
                            const std::uint8_t* data, std::span<std::uint8_t> response);
    ExchangeResult SendAndReceive(std::span<std::uint8_t> response);
    enum class Stage { Header, Body, Done };
    Stage Attempt(std::span<std::uint8_t> response, int attempt, ExchangeResult& result);
    Stage ReceiveAnswer(std::span<std::uint8_t> response, ExchangeResult& result);
    Stage ReadFailed(Stage stage, ExchangeResult& result);
    bool PortGone();
    void NoteFrame(FrameDirection direction, const std::uint8_t* bytes, int count, int attempt,
                   ExchangeResult result);
    void PortLost(const char* reason);
    void ReportPortLost(const char* reason);
    bool Opened(OpenResult result);

    int FrameLength = 0;
    int DataCount = 0;
    int ResponseLength = 0;
    int ResponseByteCount = 0;
    int HeaderRetries = 5;
    int BodyRetries = 10;
    int SendDelay = 25;
    int ReceiveDelay = 20;
    int retryPauseMs_ = 300;
    bool abandoned_ = false;
    // A line that never falls quiet (a babbling device) is emptied after this anyway.
    static constexpr int kDrainBoundMs = 3000;

    SerialLine& line_;
    Clock& clock_;
    Messages& messages_;
    std::function<void()> portLostNotice_;
    std::string lossReason_;
    Observer observer_;
    FrameObserver frameObserver_;
    int received_ = 0; // bytes the last attempt read
    std::array<std::uint8_t, kRequestBufferSize> request_{};
};
