#include "line/LineSurvey.h"

#include "line/AnswerStream.h"
#include "line/LineSession.h"
#include "line/LineTexts.h"
#include "link/Frames.h"
#include "model/ConfigurationModel.h"
#include "model/DecimalText.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace {

// How long a device takes to start its answer.
constexpr int kTurnaroundMs = 50;
constexpr int kRequestBytes = 4;
constexpr int kIdentAnswerBytes = 8;
constexpr int kOtherFormCount = 8;
// A turn stays open while an answer is still coming, never longer than this
// past its time: no question is sent into an answer.
constexpr int kStillComingMs = 10;
constexpr int kLongestOverrunMs = 100;

// How much a row knows: an identification, the device's refusal, something
// unreadable, nothing.
int Rank(const SurveyRow& row) {
    if (row.result == kResultOk)
        return 3;
    if (row.result > kResultOk && row.result < kResultForeignAnswer)
        return 2;
    return row.heard() ? 1 : 0;
}

SurveyRow RowOf(int address, const std::uint8_t* frame, int length) {
    SurveyRow row;
    row.address = address;
    row.result = frame[1] == kFnIdentify ? kResultOk : frame[2];
    if (row.result != kResultOk || length < 5)
        return row;
    if (frame[kIdentCountByte] == kOtherFormCount) {
        row.status = kOtherDeviceStatus;
    } else if (length > kIdentStatusByte + 2) {
        row.first = frame[kIdentFirstPartByte];
        row.second = frame[kIdentSecondPartByte];
        row.status = frame[kIdentStatusByte];
    }
    return row;
}

// The link's settings for asking an address alone: one attempt within the
// time-out, no pause after it. Put back as they were at the end.
class AloneSettings {
public:
    AloneSettings(DeviceLink& link, SerialLine& line)
        : link_(link), line_(line), header_(link.GetHeaderRetries()), body_(link.GetBodyRetries()),
          pause_(link.GetRetryPause()) {
        link.SetHeaderRetries(1);
        link.SetBodyRetries(1);
        link.SetRetryPause(0);
    }
    ~AloneSettings() {
        link_.SetHeaderRetries(header_);
        link_.SetBodyRetries(body_);
        link_.SetRetryPause(pause_);
        line_.setReadTimeoutMs(0);
    }
    AloneSettings(const AloneSettings&) = delete;
    AloneSettings& operator=(const AloneSettings&) = delete;

private:
    DeviceLink& link_;
    SerialLine& line_;
    int header_, body_, pause_;
};

class Survey {
public:
    Survey(LineSession& session, const SurveySettings& settings, const SurveyObserver& observer,
           const std::atomic<bool>* cancel)
        : s_(session), settings_(settings), observer_(observer), cancel_(cancel),
          quickWaitMs_(QuickWaitMs(session.link)) {}
    std::vector<SurveyRow> run();

private:
    bool stopped() const { return failed_ || (cancel_ != nullptr && cancel_->load()); }
    void round(const std::vector<int>& addresses, bool first);
    bool send(int address);
    void listen(AnswerStream& stream, int turn, std::int64_t until, bool endOnAnswer);
    void take(const std::vector<std::uint8_t>& frame);
    void alone(int address);
    void keep(const SurveyRow& row);
    void settle(int address);
    void note(FrameDirection direction, const std::uint8_t* bytes, int count, int address,
              ExchangeResult result);

    LineSession& s_;
    const SurveySettings& settings_;
    const SurveyObserver& observer_;
    const std::atomic<bool>* cancel_;
    int quickWaitMs_;
    std::map<int, SurveyRow> rows_; // the addresses asked
    std::set<int> settled_;
    std::set<int> noisy_;         // noise came in their turn
    bool failed_ = false;         // the port was lost
    bool firstRoundDone_ = false; // every address had its question and time-out
};

std::vector<SurveyRow> Survey::run() {
    AloneSettings settings(s_.link, s_.line);
    // What cut the command before this one short no longer cuts this one.
    s_.line.setInterrupted(false);
    std::vector<int> asking;
    for (int address = settings_.first; address <= settings_.last; ++address)
        asking.push_back(address);
    for (int n = 0; n <= settings_.retries && !asking.empty() && !stopped(); ++n) {
        round(asking, n == 0);
        firstRoundDone_ = !failed_;
        std::erase_if(asking, [this](int a) { return rows_.count(a) && settled_.count(a); });
    }
    for (auto& [address, row] : rows_)
        if (!stopped() && !settled_.count(address) && (noisy_.count(address) || Rank(row) == 2))
            alone(address);
    std::vector<SurveyRow> rows;
    for (const auto& [address, row] : rows_) {
        // Silence counts only where the question had its whole time-out: in a
        // first round the lost port cut short, it tells nothing.
        if (failed_ && !firstRoundDone_ && Rank(row) == 0)
            rows_[address].result = kResultLineFailed;
        settle(address);
        rows.push_back(rows_[address]);
    }
    return rows;
}

void Survey::round(const std::vector<int>& addresses, bool first) {
    if (s_.link.DrainAndPurge() != kResultOk) {
        failed_ = true;
        return;
    }
    AnswerStream stream(settings_.first, settings_.last);
    std::int64_t lastSent = 0;
    int turn = 0, done = 0;
    for (int address : addresses) {
        if (stopped() || !send(address))
            break;
        lastSent = s_.clock.monotonicMs();
        turn = address;
        listen(stream, turn, lastSent + quickWaitMs_, true);
        if (first && observer_.progress)
            observer_.progress(++done, static_cast<int>(addresses.size()));
    }
    // The last questions get the whole time-out, as the others got it while
    // the next addresses were asked.
    const bool waiting = std::any_of(addresses.begin(), addresses.end(), [this](int a) {
        return rows_.count(a) && !settled_.count(a);
    });
    if (turn != 0 && waiting && !stopped())
        listen(stream, turn, lastSent + settings_.timeoutMs, false);
    while (const auto frame = stream.next(true))
        take(*frame);
    noisy_.insert(stream.noisyTurns().begin(), stream.noisyTurns().end());
}

bool Survey::send(int address) {
    s_.link.WaitMs(s_.link.GetSendDelay());
    std::array<std::uint8_t, kRequestBytes> request{};
    BuildRequest(address - 1, kFnIdentify, nullptr, 0, request.data());
    const bool sent = s_.line.write(request.data(), kRequestBytes);
    const ExchangeResult trouble = sent ? kNoFrameResult : s_.link.LineError();
    note(FrameDirection::Sent, request.data(), kRequestBytes, address, trouble);
    if (trouble == kResultLineFailed) {
        failed_ = true;
        return false;
    }
    if (!rows_.count(address))
        rows_[address] = SurveyRow{address};
    return true;
}

void Survey::listen(AnswerStream& stream, int turn, std::int64_t until, bool endOnAnswer) {
    std::int64_t lastByte = -1;
    for (;;) {
        std::int64_t end = until;
        if (stream.holding() && lastByte >= 0)
            end = std::min(until + kLongestOverrunMs, std::max(until, lastByte + kStillComingMs));
        const std::int64_t now = s_.clock.monotonicMs();
        if (now >= end)
            return;
        s_.line.setReadTimeoutMs(static_cast<int>(end - now));
        std::uint8_t byte = 0;
        const int got = s_.line.read(&byte, 1);
        if (got < 0) {
            // Noise ends the listening as a spoilt answer would; a port gone ends the survey.
            failed_ = s_.link.LineError() == kResultLineFailed;
            return;
        }
        if (got == 0)
            return;
        lastByte = s_.clock.monotonicMs();
        stream.add(byte, turn);
        while (const auto frame = stream.next(false)) {
            take(*frame);
            if (endOnAnswer && (*frame)[0] == turn)
                return;
        }
    }
}

void Survey::take(const std::vector<std::uint8_t>& frame) {
    const int address = frame[0];
    const SurveyRow row = RowOf(address, frame.data(), static_cast<int>(frame.size()));
    note(FrameDirection::Received, frame.data(), static_cast<int>(frame.size()), address,
         row.result);
    // An answer to a question of an earlier survey, or of somebody else, is
    // no answer here.
    if (rows_.count(address) && !settled_.count(address)) {
        keep(row);
        if (row.result == kResultOk)
            settle(address);
    }
}

void Survey::alone(int address) {
    s_.line.setReadTimeoutMs(std::max(1, settings_.timeoutMs - s_.link.GetSendDelay()));
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    for (int attempt = 0; attempt <= settings_.retries && !stopped(); ++attempt) {
        if (s_.link.DrainAndPurge() != kResultOk) {
            failed_ = true;
            return;
        }
        const ExchangeResult result = s_.link.Transact(address - 1, kFnIdentify, 0, nullptr, reply);
        if (result == kResultLineFailed || result == kResultPortClosed) {
            failed_ = true;
            return;
        }
        const SurveyRow row = result == kResultOk
                                  ? RowOf(address, reply.data(), s_.link.GetResponseLength())
                                  : SurveyRow{address, result};
        keep(row);
        if (Rank(row) >= 2)
            return;
    }
}

void Survey::keep(const SurveyRow& row) {
    if (Rank(row) > Rank(rows_[row.address]))
        rows_[row.address] = row;
}

void Survey::settle(int address) {
    if (settled_.insert(address).second && observer_.settled)
        observer_.settled(rows_[address]);
}

void Survey::note(FrameDirection direction, const std::uint8_t* bytes, int count, int address,
                  ExchangeResult result) {
    if (!s_.frameObserver())
        return;
    LinkFrame frame;
    frame.time = s_.clock.wallNow();
    frame.direction = direction;
    frame.address = static_cast<std::uint8_t>(address);
    frame.function = kFnIdentify;
    frame.length = count;
    frame.bytes.assign(bytes, bytes + count);
    frame.result = result;
    s_.frameObserver()(std::move(frame));
}

} // namespace

bool SurveyRow::heard() const {
    return result != kResultSilent && result >= kResultOk && result <= kResultBadCrc;
}

bool SurveyRow::coded() const {
    return result == kResultOk && status != kOtherDeviceStatus;
}

Outcome SurveyRow::outcome() const {
    if (result == kResultLineFailed || result == kResultPortClosed)
        return Outcome::PortClosed;
    if (result == kResultSilent)
        return Outcome::Absent;
    if (result == kResultOk)
        return status == 0 ? Outcome::Ready : Outcome::NotReady;
    if (result > kResultOk && result < kResultForeignAnswer)
        return Outcome::Refused;
    return heard() ? Outcome::Unreadable : Outcome::NoAnswer;
}

const char* SurveyRow::word() const {
    return result == kResultBadCrc ? line_text::kStateBadCrc : OutcomeWord(outcome());
}

int BytesOnLineMs(const DeviceLink& link, int bytes) {
    const int baud = std::max(1, ParseDecimal(link.BaudRate));
    const int bitsPerByte = 1 + 8 + (link.Parity == "N" ? 0 : 1) + ParseDecimal(link.StopBits);
    return (bytes * bitsPerByte * 1000 + baud - 1) / baud;
}

int QuickWaitMs(const DeviceLink& link) {
    return BytesOnLineMs(link, kRequestBytes + kIdentAnswerBytes) + kTurnaroundMs;
}

std::vector<SurveyRow> SurveyLine(LineSession& session, const SurveySettings& settings,
                                  const SurveyObserver& observer, const std::atomic<bool>* cancel) {
    return Survey(session, settings, observer, cancel).run();
}
