#include "link/DeviceLink.h"
#include "model/DecimalText.h"

#include "link/LinkTexts.h"
#include "link/SerialLine.h"
#include "ui/Clock.h"
#include "ui/Messages.h"

#include "ui/UiTexts.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

using namespace link_text;
using namespace ui_text;

namespace {

// Pauses are slept in slices this long, so that an abandoned exchange ends soon.
constexpr int kWaitSliceMs = 20;

constexpr std::array<int, 13> kBaudRates{110,   300,   600,   1200,  2400,  4800,  9600,
                                         14400, 19200, 38400, 56000, 57600, 115200};

bool ParseParity(const std::string& letter, LineParity& parity) {
    if (letter == "E")
        parity = LineParity::Even;
    else if (letter == "N")
        parity = LineParity::None;
    else if (letter == "O")
        parity = LineParity::Odd;
    else
        return false;
    return true;
}

} // namespace

DeviceLink::DeviceLink(SerialLine& line, Clock& clock, Messages& messages)
    : line_(line), clock_(clock), messages_(messages) {}

void DeviceLink::SetHeaderRetries(int value) {
    HeaderRetries = std::max(1, value);
}
void DeviceLink::SetBodyRetries(int value) {
    BodyRetries = std::max(1, value);
}
void DeviceLink::SetSendDelay(int value) {
    SendDelay = value;
}

bool DeviceLink::IsPortOpen() const {
    return line_.isOpen();
}

void DeviceLink::ClosePort() {
    line_.close();
}

// The port failed: it is closed, and why goes to the status bar and the
// exchange log. The program keeps its scheme and goes on without the port.
void DeviceLink::PortLost(const char* reason) {
    lossReason_ = PortName + reason;
    if (const std::string detail = line_.errorText(); !detail.empty())
        lossReason_ += " (" + detail + ")";
    line_.close();
    if (frameObserver_) {
        LinkFrame event;
        event.time = clock_.wallNow();
        event.direction = FrameDirection::PortLost;
        event.note = lossReason_;
        frameObserver_(std::move(event));
    }
    if (portLostNotice_)
        portLostNotice_();
}

void DeviceLink::TakeLoss(const std::string& reason) {
    lossReason_ = reason;
    if (portLostNotice_)
        portLostNotice_();
}

void DeviceLink::ReportPortLost(const char* reason) {
    PortLost(reason);
    messages_.show({kTextPortLost, kCaptionError, MessageIcon::Error, MessageButtons::Ok});
}

bool DeviceLink::Opened(OpenResult result) {
    if (result != OpenResult::Opened)
        return false;
    lossReason_.clear();
    return true;
}

std::optional<LineSettings> DeviceLink::ParseSettings() const {
    LineSettings settings;
    settings.baudRate = ParseDecimal(BaudRate);
    if (std::find(kBaudRates.begin(), kBaudRates.end(), settings.baudRate) == kBaudRates.end())
        return std::nullopt;
    if (!ParseParity(Parity, settings.parity))
        return std::nullopt;
    settings.stopBits = ParseDecimal(StopBits);
    if (settings.stopBits != 1 && settings.stopBits != 2)
        return std::nullopt;
    if (PortName.find("COM") == std::string::npos && PortName.find("com") == std::string::npos)
        return std::nullopt;
    settings.portName = PortName;
    return settings;
}

int DeviceLink::SetupPort() {
    if (!line_.close())
        ReportPortLost(kReasonLost);
    const std::optional<LineSettings> settings = ParseSettings();
    if (!settings)
        return -1;
    const OpenResult opened = line_.open(*settings);
    if (opened == OpenResult::Failed)
        ReportPortLost(kReasonCannotOpen);
    return Opened(opened) ? 0 : -1;
}

bool DeviceLink::OpenQuietly(std::string& reason) {
    const std::optional<LineSettings> settings = ParseSettings();
    if (!settings) {
        reason = kTextSetupError;
        return false;
    }
    if (Opened(line_.open(*settings)))
        return true;
    reason = line_.errorText();
    if (reason.empty())
        reason = kTextSetupError;
    return false;
}

DeviceLink::PortState DeviceLink::ReopenIfLost() {
    if (line_.isOpen() || lossReason_.empty())
        return PortState::Open;
    const std::optional<LineSettings> settings = ParseSettings();
    if (settings && Opened(line_.open(*settings)))
        return PortState::Reopened;
    lossReason_ = PortName + kReasonCannotOpen;
    if (const std::string detail = line_.errorText(); !detail.empty())
        lossReason_ += " (" + detail + ")";
    return PortState::Closed;
}

int DeviceLink::WaitMs(int ms) {
    const std::int64_t start = clock_.monotonicMs();
    std::int64_t passed = 0;
    while ((passed = clock_.monotonicMs() - start) < ms && !abandoned_)
        clock_.sleepMs(static_cast<int>(std::min<std::int64_t>(ms - passed, kWaitSliceMs)));
    return static_cast<int>(passed);
}

void DeviceLink::Abandon() {
    abandoned_ = true;
    line_.setInterrupted(true);
}

ExchangeResult DeviceLink::Transact(int addressIndex, std::uint8_t functionCode, int dataCount,
                                    const std::uint8_t* data, std::span<std::uint8_t> response) {
    const ExchangeResult result = Exchange(addressIndex, functionCode, dataCount, data, response);
    if (observer_.finished)
        observer_.finished(result);
    return result;
}

ExchangeResult DeviceLink::Exchange(int addressIndex, std::uint8_t functionCode, int dataCount,
                                    const std::uint8_t* data, std::span<std::uint8_t> response) {
    if (response.size() < static_cast<std::size_t>(kHeaderSize))
        throw std::invalid_argument("Transact: response buffer shorter than a header");
    if (dataCount < 0 || dataCount > kMaxRequestData)
        return kResultRefused;
    DataCount = dataCount;
    FrameLength = dataCount + 4;
    std::memset(request_.data(), 0, static_cast<std::size_t>(FrameLength));
    if (BuildRequest(addressIndex, functionCode, data, dataCount, request_.data()) != 0)
        return kResultRefused;
    if (!line_.isOpen())
        return kResultPortClosed;
    abandoned_ = false;
    line_.setInterrupted(false);
    if (!line_.purge() && PortGone())
        return LineFailed();
    return SendAndReceive(response);
}

// After an operation of the serial layer failed: true when the port itself is
// gone. A failure on a port that is still there is noise on the line: it is
// logged, and the exchange goes on as after a broken answer.
bool DeviceLink::PortGone() {
    if (!line_.stillThere())
        return true;
    if (frameObserver_) {
        LinkFrame event;
        event.time = clock_.wallNow();
        event.direction = FrameDirection::Noise;
        event.address = request_[0];
        event.function = request_[1];
        event.note = line_.errorText();
        frameObserver_(std::move(event));
    }
    return false;
}

ExchangeResult DeviceLink::LineError() {
    return PortGone() ? LineFailed() : kResultLineNoise;
}

// On a quiet line this costs nothing: anything that came during the pause
// after a failed attempt is still waiting to be read.
ExchangeResult DeviceLink::DrainAndPurge(int attempt) {
    std::vector<std::uint8_t> bytes;
    const int dropped = line_.drain(kByteGapMs, kDrainBoundMs, bytes);
    if (dropped > 0)
        NoteFrame(FrameDirection::Dropped, bytes.data(), dropped, attempt, kNoFrameResult);
    if ((dropped < 0 || (dropped > 0 && !line_.purge())) && PortGone())
        return LineFailed();
    return kResultOk;
}

ExchangeResult DeviceLink::SendAndReceive(std::span<std::uint8_t> response) {
    int headerAttemptsLeft = HeaderRetries;
    int bodyAttemptsLeft = BodyRetries;
    for (int attempt = 1;; ++attempt) {
        if (attempt > 1 && observer_.retrying)
            observer_.retrying(attempt);
        WaitMs(SendDelay);
        if (abandoned_)
            return kResultAbandoned;
        ExchangeResult result = kResultOk;
        const Stage failedStage = Attempt(response, attempt, result);
        if (failedStage == Stage::Done)
            return result == kResultLineFailed ? LineFailed() : result;
        if (abandoned_)
            return kResultAbandoned;
        WaitMs(retryPauseMs_);
        if (failedStage == Stage::Header) {
            if (--headerAttemptsLeft == 0)
                return result;
        } else {
            // The header was right: stage 1 starts afresh, stage 2 never does.
            headerAttemptsLeft = HeaderRetries;
            if (--bodyAttemptsLeft == 0)
                return result;
        }
        if (const ExchangeResult drained = DrainAndPurge(attempt); drained != kResultOk)
            return drained;
    }
}

// One attempt: the request written and its answer read, both logged. Done
// with the final result (a lost port not yet reported), or the stage that
// failed with the attempt's result.
DeviceLink::Stage DeviceLink::Attempt(std::span<std::uint8_t> response, int attempt,
                                      ExchangeResult& result) {
    if (!line_.write(request_.data(), FrameLength)) {
        result = PortGone() ? kResultLineFailed : kResultLineNoise;
        NoteFrame(FrameDirection::Sent, request_.data(), FrameLength, attempt, result);
        return result == kResultLineFailed ? Stage::Done : Stage::Header;
    }
    const bool answered = ExpectsResponse(request_[1]);
    NoteFrame(FrameDirection::Sent, request_.data(), FrameLength, attempt,
              answered ? kNoFrameResult : kResultOk);
    if (!answered)
        return Stage::Done;
    const Stage failedStage = ReceiveAnswer(response, result);
    const bool abandoned = abandoned_ && failedStage != Stage::Done;
    NoteFrame(FrameDirection::Received, response.data(), received_, attempt,
              abandoned ? kResultAbandoned : result);
    return failedStage;
}

// A read failed in the given stage of the answer.
DeviceLink::Stage DeviceLink::ReadFailed(Stage stage, ExchangeResult& result) {
    if (PortGone()) {
        result = kResultLineFailed;
        return Stage::Done;
    }
    result = kResultLineNoise;
    return stage;
}

// One answer: Done with the final result (a lost port not yet reported), or
// the stage that failed with the result of that attempt. An answer counts only
// when it is one: from the device asked, of the function asked (or its
// exception form), whole, with its CRC right. Anything else is another
// device's answer or noise, and the attempt is repeated.
DeviceLink::Stage DeviceLink::ReceiveAnswer(std::span<std::uint8_t> response,
                                            ExchangeResult& result) {
    const std::uint8_t functionCode = request_[1];
    std::uint8_t* frame = response.data();
    const int got = line_.read(frame, kHeaderSize);
    received_ = std::max(0, got);
    if (got < 0)
        return ReadFailed(Stage::Header, result);
    if (got < kHeaderSize) {
        result = got == 0 ? kResultSilent : kResultPartial;
        return Stage::Header;
    }
    ResponseByteCount = frame[2];
    ResponseLength = ExpectedResponseLength(functionCode, frame, FrameLength);
    const HeaderKind kind = ClassifyHeader(functionCode, frame);
    if (frame[0] != request_[0] || kind == HeaderKind::Foreign ||
        static_cast<std::size_t>(ResponseLength) > response.size()) {
        result = kResultForeignAnswer;
        return Stage::Header;
    }
    const int rest = ResponseLength - kHeaderSize;
    const int more = line_.read(frame + kHeaderSize, rest);
    received_ += std::max(0, more);
    if (more < 0)
        return ReadFailed(Stage::Body, result);
    if (more < rest) {
        result = more == 0 ? kResultSilent : kResultPartial;
        return Stage::Body;
    }
    if (!ResponseCrcOk(frame, ResponseLength)) {
        result = kResultBadCrc;
        return Stage::Body;
    }
    // The device's own refusal ends the exchange without a repeat.
    result = kind == HeaderKind::Exception ? frame[2] : kResultOk;
    return Stage::Done;
}

void DeviceLink::NoteFrame(FrameDirection direction, const std::uint8_t* bytes, int count,
                           int attempt, ExchangeResult result) {
    if (!frameObserver_)
        return;
    LinkFrame frame;
    frame.time = clock_.wallNow();
    frame.direction = direction;
    frame.address = request_[0];
    frame.function = request_[1];
    frame.length = count;
    frame.bytes.assign(bytes, bytes + std::min(count, kFrameBytesKept));
    frame.attempt = attempt;
    frame.result = result;
    frameObserver_(std::move(frame));
}

// The serial layer failed under the exchange: one message, and the port is
// closed so that the next exchange says so instead of failing again.
ExchangeResult DeviceLink::LineFailed() {
    std::string text = kTextPortLost;
    const std::string detail = line_.errorText();
    if (!detail.empty())
        text += "\n" + detail;
    PortLost(kReasonLost);
    messages_.show({text, kCaptionError, MessageIcon::Error, MessageButtons::Ok});
    return kResultLineFailed;
}
