#include "sim/SimulatedDevice.h"

#include "link/Frames.h"

namespace {

// Byte by byte: GCC 12 at -O2 warns falsely on vector::insert of a short list.
void appendBytes(std::vector<std::uint8_t>& out, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        out.push_back(b);
}

// Device time runs as seconds of a year without leap day, wrapping at its end.
constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr long long kDaySeconds = 86400;
constexpr long long kYearSeconds = 365 * kDaySeconds;

long long ToSeconds(const SimClock& c) {
    long long days = 0;
    for (int m = 1; m < c.month && m <= 12; ++m)
        days += kMonthDays[static_cast<std::size_t>(m - 1)];
    days += c.day - 1;
    return days * kDaySeconds + c.hour * 3600LL + c.minute * 60LL + c.second;
}

SimClock FromSeconds(long long seconds) {
    seconds = ((seconds % kYearSeconds) + kYearSeconds) % kYearSeconds;
    long long days = seconds / kDaySeconds;
    const long long rest = seconds % kDaySeconds;
    int month = 1;
    while (days >= kMonthDays[static_cast<std::size_t>(month - 1)])
        days -= kMonthDays[static_cast<std::size_t>(month++ - 1)];
    return {static_cast<int>(rest % 60), static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest / 3600), static_cast<int>(days) + 1, month};
}

std::vector<std::uint8_t> Exception(int address, std::uint8_t functionCode, int code) {
    std::vector<std::uint8_t> frame{static_cast<std::uint8_t>(address),
                                    static_cast<std::uint8_t>(functionCode | kExceptionBit),
                                    static_cast<std::uint8_t>(code)};
    AppendCrc(frame);
    return frame;
}

bool InCalendar(const SimClock& c) {
    return c.second < 60 && c.minute < 60 && c.hour < 24 && c.month >= 1 && c.month <= 12 &&
           c.day >= 1 && c.day <= kMonthDays[static_cast<std::size_t>(c.month - 1)];
}

} // namespace

SimClock SimulatedDevice::clockAt(std::int64_t nowMs) const {
    if (stoppedClock_)
        return *stoppedClock_;
    return FromSeconds(clockBase_ + (nowMs - clockSetAt_) / 1000);
}

void SimulatedDevice::setClock(const SimClock& clock, std::int64_t nowMs) {
    stoppedClock_.reset();
    if (!InCalendar(clock))
        stoppedClock_ = clock;
    clockBase_ = ToSeconds(clock);
    clockSetAt_ = nowMs;
}

int SimulatedDevice::requestLength(std::uint8_t functionCode) const {
    switch (functionCode) {
    case kFnReadClock:
        return 8;
    case kFnSetExecCode:
        return 7;
    case kFnWriteImage:
        return 254;
    case kFnSetClock:
        return 9;
    default:
        return 4;
    }
}

std::vector<SimReply> SimulatedDevice::receive(const std::uint8_t* data, int count,
                                               std::int64_t nowMs) {
    std::vector<SimReply> replies;
    pending_.insert(pending_.end(), data, data + count);
    while (pending_.size() >= 4) {
        const std::uint8_t functionCode = pending_[1];
        int length = requestLength(functionCode);
        // A clock setting without data is a bare 4-byte frame.
        if (functionCode == kFnSetClock && ResponseCrcOk(pending_.data(), 4))
            length = 4;
        if (!IsAllowedFunctionCode(functionCode) || length > 254) {
            pending_.clear();
            break;
        }
        if (static_cast<int>(pending_.size()) < length)
            break;
        const std::vector<std::uint8_t> request(pending_.begin(), pending_.begin() + length);
        pending_.erase(pending_.begin(), pending_.begin() + length);
        if (!ResponseCrcOk(request.data(), length)) {
            pending_.clear();
            break;
        }
        SimReply reply;
        if (!handle(request, nowMs, reply))
            continue;
        if (chaos) {
            // A slow device stays slow on a noisy line.
            std::vector<SimReply> pieces = chaos->deliver(reply.bytes);
            if (!pieces.empty())
                pieces.front().delayMs += reply.delayMs;
            for (SimReply& piece : pieces)
                replies.push_back(std::move(piece));
        } else {
            replies.push_back(reply);
        }
    }
    return replies;
}

bool SimulatedDevice::handle(const std::vector<std::uint8_t>& request, std::int64_t nowMs,
                             SimReply& reply) {
    const std::uint8_t functionCode = request[1];
    const bool broadcast = request[0] == 0 && functionCode == kFnSetClock;
    if (request[0] != address && !broadcast)
        return false;
    std::vector<std::uint8_t> answer = answerTo(request, nowMs);
    if (answer.empty() || faults_.silent)
        return false;
    applyFaults(functionCode, answer);
    reply.bytes = answer;
    reply.delayMs = faults_.lateMs;
    return true;
}

std::vector<std::uint8_t> SimulatedDevice::answerTo(const std::vector<std::uint8_t>& request,
                                                    std::int64_t nowMs) {
    const std::uint8_t functionCode = request[1];
    if (functionCode == faults_.exceptionFunction)
        return Exception(address, functionCode, faults_.exceptionCode);
    std::vector<std::uint8_t> a{static_cast<std::uint8_t>(address), functionCode};
    switch (functionCode) {
    case kFnIdentify:
        appendBytes(a, {3, execFirst, execSecond, faults_.status});
        break;
    case kFnReadImage:
        a.push_back(static_cast<std::uint8_t>(faults_.imageCount));
        for (int i = 0; i < faults_.imageCount; ++i)
            a.push_back(i < 250 ? image[static_cast<std::size_t>(i)] : 0);
        break;
    case kFnReadClock: {
        const SimClock c = clockAt(nowMs);
        a.insert(a.end(),
                 {10, 0, static_cast<std::uint8_t>(c.second), 0,
                  static_cast<std::uint8_t>(c.minute), 0, static_cast<std::uint8_t>(c.hour), 0,
                  static_cast<std::uint8_t>(c.day), 0, static_cast<std::uint8_t>(c.month)});
        break;
    }
    case kFnConfirm:
        if (faults_.busyConfirmations > 0) {
            --faults_.busyConfirmations;
            return Exception(address, functionCode, 6);
        }
        break;
    case kFnSetExecCode:
        execFirst = request[2];
        execSecond = request[3];
        appendBytes(a, {3, request[2], request[3], request[4]});
        break;
    case kFnWriteImage:
        std::copy(request.begin() + 2, request.begin() + 252, image.begin());
        address = (image[249] & 0x1F) + 1;
        ++imageWrites;
        return {};
    case kFnSetClock:
        if (request.size() == 9)
            setClock({request[2], request[3], request[4], request[5], request[6]}, nowMs);
        return {};
    default:
        return Exception(address, functionCode, 1);
    }
    AppendCrc(a);
    return a;
}

void SimulatedDevice::applyFaults(std::uint8_t functionCode, std::vector<std::uint8_t>& answer) {
    ++repliesSent_;
    if (faults_.wrongFunction) {
        answer.resize(answer.size() - 2);
        answer[1] = static_cast<std::uint8_t>(functionCode ^ 0x20);
        AppendCrc(answer);
    }
    if (faults_.badCrc < 0 || repliesSent_ <= faults_.badCrc)
        answer.back() ^= 0x5A;
    if (faults_.shortBody)
        answer.pop_back();
    if (faults_.oneByte)
        answer.resize(1);
}
