#include "line/LineClocks.h"

#include "line/LineSession.h"
#include "line/LineSurvey.h"
#include "link/Frames.h"

#include <QDateTime>

#include <algorithm>
#include <array>

namespace {

// A wait that a cancel ends within this long.
constexpr int kWaitSliceMs = 20;

QDateTime DateTimeOf(const WallTime& time) {
    return QDateTime(QDate(time.year, time.month, time.day),
                     QTime(time.hour, time.minute, time.second, time.millisecond), Qt::UTC);
}

} // namespace

WallTime WallTimeAfter(const WallTime& time, int ms) {
    const QDateTime at = DateTimeOf(time).addMSecs(ms);
    const QDate date = at.date();
    const QTime clock = at.time();
    return {date.year(),  date.month(),   date.day(),     date.dayOfWeek(),
            clock.hour(), clock.minute(), clock.second(), clock.msec()};
}

ExchangeResult SetClocksFromComputer(LineSession& session, DeviceTime& sent,
                                     const std::atomic<bool>* cancel) {
    const auto stopped = [cancel] { return cancel != nullptr && cancel->load(); };
    DeviceLink& link = session.link;
    // From the call to the last byte on the line: the pause before a
    // question, and the question itself.
    const int leadMs = link.GetSendDelay() + BytesOnLineMs(link, 4 + kClockRegisters);
    const WallTime now = session.clock.wallNow();
    int waitMs = 1000 - now.millisecond - leadMs;
    while (waitMs < 0)
        waitMs += 1000;
    const WallTime at = WallTimeAfter(now, waitMs + leadMs);
    sent = {at.second, at.minute, at.hour, at.day, at.month};
    const std::int64_t until = session.clock.monotonicMs() + waitMs;
    for (std::int64_t left = waitMs; left > 0 && !stopped();
         left = until - session.clock.monotonicMs())
        session.clock.sleepMs(static_cast<int>(std::min<std::int64_t>(left, kWaitSliceMs)));
    if (stopped())
        return kResultAbandoned;
    const auto data = ClockSetData(sent);
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    return link.Transact(0, kFnSetClock, static_cast<int>(data.size()), data.data(), reply);
}

std::optional<ClockReading> ReadDeviceClock(LineSession& session, int address,
                                            ExchangeResult& result) {
    DeviceLink& link = session.link;
    // The computer's time when the (last) question went out, its frames still
    // passed on to the exchange log.
    WallTime asked = session.clock.wallNow();
    const DeviceLink::FrameObserver log = session.frameObserver();
    link.SetFrameObserver([&asked, &log](LinkFrame frame) {
        if (frame.direction == FrameDirection::Sent)
            asked = frame.time;
        if (log)
            log(std::move(frame));
    });
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    result = link.Transact(address - 1, kFnReadClock, static_cast<int>(kClockReadRequest.size()),
                           kClockReadRequest.data(), reply);
    link.SetFrameObserver(log);
    const auto time = result == kResultOk ? ParseClockAnswer(reply.data(), link.GetResponseLength())
                                          : std::nullopt;
    if (!time)
        return std::nullopt;
    const int questionBytes = 4 + static_cast<int>(kClockReadRequest.size());
    return ClockReading{*time, WallTimeAfter(asked, BytesOnLineMs(link, questionBytes))};
}
