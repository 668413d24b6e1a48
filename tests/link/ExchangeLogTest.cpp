// The exchange log's lines for a scripted set of exchanges on the fake line:
// a device read, a write with its confirmation refused while the device is
// busy, the clock read and set, a bad CRC and a silent device whose late answer
// is dropped before the repeat.
#include "link/ExchangeLog.h"
#include "link/DeviceLink.h"
#include "link/FrameText.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes = FakeSerialLine::Bytes;
using Answer = FakeSerialLine::Answer;

// Wall time that moves with test time: 1'000'000 ms is 00:16:40.000.
class RunningClock : public FakeClock {
public:
    WallTime wallNow() override {
        const auto at = [this](int unit, int units) {
            return static_cast<int>(now / unit % units);
        };
        return {2000, 1, 1, 1, at(3'600'000, 24), at(60'000, 60), at(1000, 60), at(1, 1000)};
    }
};

Bytes Framed(Bytes frame) {
    AppendCrc(frame);
    return frame;
}

Bytes ImageAnswer() {
    Bytes frame{0x01, 0x44, 20};
    for (std::uint8_t b = 0; b < 20; ++b)
        frame.push_back(b);
    return Framed(frame);
}

TEST(ExchangeLogLines, ScriptedExchangesGiveExactlyTheseLines) {
    RunningClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    line.portOpen = true;
    link.SetHeaderRetries(2);
    std::string lines;    // each after a line break
    std::string troubles; // one letter a frame: what stands out in it
    link.SetFrameObserver([&](const LinkFrame& frame) {
        for (const std::string& text : FrameLines(frame))
            lines += "\n" + text;
        troubles += "-TCFD"[static_cast<int>(TroubleOf(frame))];
    });
    Bytes badImage = ImageAnswer();
    badImage.back() ^= 0x03;
    const std::vector<Answer> answers{
        {{5, Framed({0x01, 0x11, 0x03, 0x18, 0x08, 0x00})}},
        {{10, badImage}},
        {{10, ImageAnswer()}},
        {},
        {{5, Framed({0x01, 0x8E, 0x06})}},
        {{8, Framed({0x01, 0x04, 10, 0, 30, 0, 15, 0, 12, 0, 7, 0, 3})}},
        {},
        {{1400, Framed({0x02, 0x11, 0x03, 0x18, 0x08, 0x00})}},
    };
    line.respond = [&, n = std::size_t{0}](const Bytes&) mutable {
        return n < answers.size() ? answers[n++] : Answer{};
    };
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    auto ask = [&](int addressIndex, std::uint8_t function, const Bytes& data = {}) {
        return link.Transact(addressIndex, function, static_cast<int>(data.size()), data.data(),
                             reply);
    };
    EXPECT_EQ(ask(0, kFnIdentify), kResultOk);
    EXPECT_EQ(ask(0, kFnReadImage), kResultOk);
    EXPECT_EQ(ask(0, kFnWriteImage, {0xAA, 0xBB, 0xCC}), kResultOk);
    EXPECT_EQ(ask(0, kFnConfirm), kResultBusy);
    EXPECT_EQ(ask(0, kFnReadClock, {0, 0, 0, 5}), kResultOk);
    EXPECT_EQ(ask(0, kFnSetClock, {30, 15, 12, 7, 3}), kResultOk);
    EXPECT_EQ(ask(1, kFnIdentify), kResultSilent);
    EXPECT_EQ(lines, R"(
00:16:40.025 → 01 11 идентификация            4  попытка 1                                 01 11 C0 2C
00:16:40.030 ← 01 11 идентификация            8  попытка 1  успешно                        01 11 03 18 08 00 7A 4A
00:16:40.055 → 01 44 чтение БД                4  попытка 1                                 01 44 00 13
00:16:40.065 ← 01 44 чтение БД               25  попытка 1  ошибка контрольной суммы       01 44 14 00 01 02 03 04 05 06 07 08 09 0A 0B 0C
                                                                                           0D 0E 0F 10 11 12 13 7B C2
00:16:40.390 → 01 44 чтение БД                4  попытка 2                                 01 44 00 13
00:16:40.400 ← 01 44 чтение БД               25  попытка 2  успешно                        01 44 14 00 01 02 03 04 05 06 07 08 09 0A 0B 0C
                                                                                           0D 0E 0F 10 11 12 13 7B C1
00:16:40.425 → 01 45 запись БД                7  попытка 1  ответ не предусмотрен          01 45 AA BB CC 5E 49
00:16:40.450 → 01 0E подтверждение записи     4  попытка 1                                 01 0E 81 E4
00:16:40.455 ← 01 8E подтверждение записи     5  попытка 1  исключение 06: идет запись БД  01 8E 06 C5 A2
00:16:40.480 → 01 04 чтение времени           8  попытка 1                                 01 04 00 00 00 05 30 09
00:16:40.488 ← 01 04 чтение времени          15  попытка 1  успешно                        01 04 0A 00 1E 00 0F 00 0C 00 07 00 03 4E 1C
00:16:40.513 → 00 46 запись времени (всем)    9  попытка 1  ответ не предусмотрен          00 46 1E 0F 0C 07 03 3C 82
00:16:40.538 → 02 11 идентификация            4  попытка 1                                 02 11 C0 DC
00:16:41.838 ← 02 11 идентификация            0  попытка 1  нет ответа (тайм-аут)
00:16:42.238 ← 02 11 идентификация            8  попытка 1  отброшено перед повтором       02 11 03 18 08 00 7A 79
00:16:42.263 → 02 11 идентификация            4  попытка 2                                 02 11 C0 DC
00:16:43.563 ← 02 11 идентификация            0  попытка 2  нет ответа (тайм-аут))");
    EXPECT_EQ(troubles, "---C----F----TD-T");
}

// Another device's frame shaped like an exception whose code matches the
// result is shown as what it is: foreign.
TEST(ExchangeLogLines, AnExceptionFromAnotherAddressIsForeign) {
    LinkFrame frame;
    frame.direction = FrameDirection::Received;
    frame.address = 0x01;
    frame.function = 0x11;
    frame.length = 3;
    frame.result = kResultForeignAnswer;
    frame.bytes = {0x07, 0x91, 0x80};
    EXPECT_EQ(ColumnsOf(frame).result, "чужой ответ");
    frame.bytes[0] = 0x01;
    frame.result = 0x80;
    EXPECT_EQ(ColumnsOf(frame).result, "исключение 80");
}

LinkFrame FrameOfAttempt(int attempt) {
    LinkFrame frame;
    frame.attempt = attempt;
    return frame;
}

TEST(ExchangeLogRing, KeepsTheLastFramesUnlessPausedAndNumbersThemOnAcrossClears) {
    ExchangeLog log(3);
    int told = 0;
    QObject::connect(&log, &ExchangeLog::recorded, [&] { ++told; });
    for (int attempt = 1; attempt <= 5; ++attempt)
        log.record(FrameOfAttempt(attempt));
    EXPECT_EQ(log.firstNumber(), 2u);
    EXPECT_EQ(log.endNumber(), 5u);
    EXPECT_EQ(log.frame(2).attempt, 3);
    EXPECT_EQ(log.frame(4).attempt, 5);
    log.setPaused(true);
    log.record(FrameOfAttempt(6));
    EXPECT_EQ(log.endNumber(), 5u);
    log.setPaused(false);
    log.clear();
    EXPECT_EQ(log.firstNumber(), log.endNumber());
    log.record(FrameOfAttempt(7));
    EXPECT_EQ(log.frame(5).attempt, 7);
    EXPECT_EQ(told, 7) << "five frames, the clear and the last frame";
}

} // namespace
