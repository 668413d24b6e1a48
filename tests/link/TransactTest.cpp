#include "link/DeviceLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using Bytes = FakeSerialLine::Bytes;
using Answer = FakeSerialLine::Answer;

Bytes Framed(Bytes frame) {
    AppendCrc(frame);
    return frame;
}

const Bytes kIdentAnswer = Framed({0x01, 0x11, 0x03, 0x18, 0x08, 0x00});
const Answer kSilent{};

// Time one silent attempt takes: pause before sending, the read time-out for
// a 3-byte header, the pause after the failure.
constexpr int kSilentAttemptMs = 25 + 1300 + 300;

class TransactTest : public ::testing::Test {
protected:
    TransactTest() {
        line.portOpen = true;
        link.SetPortLostNotice([this] { ++portLost; });
    }
    ExchangeResult Ask(std::uint8_t functionCode, const Bytes& data = {}) {
        return link.Transact(0, functionCode, static_cast<int>(data.size()), data.data(), response);
    }
    // Answers from a script, one entry per request; silence once it runs out.
    void Script(std::vector<Answer> answers) {
        line.respond = [answers, n = std::size_t{0}](const Bytes&) mutable {
            return n < answers.size() ? answers[n++] : Answer{};
        };
    }

    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    std::array<std::uint8_t, kMaxResponseSize> response{};
    int portLost = 0;
};

TEST_F(TransactTest, ClosedPortWritesNothing) {
    line.portOpen = false;
    EXPECT_EQ(Ask(0x11), kResultPortClosed);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(line.purges, 0);
}

TEST_F(TransactTest, RefusedFunctionCodeTouchesNothing) {
    EXPECT_EQ(Ask(0x13), kResultRefused);
    EXPECT_EQ(line.purges, 0);
    EXPECT_TRUE(line.writes.empty());
}

TEST_F(TransactTest, GoodAnswerOnFirstAttempt) {
    line.answerAlways({{5, kIdentAnswer}});
    const std::int64_t start = clock.now;
    EXPECT_EQ(Ask(0x11), kResultOk);
    EXPECT_EQ(Bytes(response.begin(), response.begin() + 8), kIdentAnswer);
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0], (Bytes{0x01, 0x11, 0xC0, 0x2C}));
    EXPECT_EQ(line.writeTimes[0], start + 25);
    EXPECT_EQ(link.GetResponseLength(), 8);
    EXPECT_EQ(link.GetResponseByteCount(), 3);
    EXPECT_EQ(line.purges, 1);
}

TEST_F(TransactTest, SilentDeviceIsAskedHeaderRetriesTimes) {
    EXPECT_EQ(Ask(0x11), kResultSilent);
    ASSERT_EQ(line.writes.size(), 5u);
    for (std::size_t i = 1; i < line.writes.size(); ++i)
        EXPECT_EQ(line.writeTimes[i] - line.writeTimes[i - 1], kSilentAttemptMs);
    EXPECT_EQ(line.purges, 1);
    EXPECT_GE(clock.slept, 5 * (25 + 300));
}

TEST_F(TransactTest, RetryCountsComeFromTheSettings) {
    link.SetHeaderRetries(2);
    EXPECT_EQ(Ask(0x11), kResultSilent);
    EXPECT_EQ(line.writes.size(), 2u);
    link.SetHeaderRetries(0);
    EXPECT_EQ(link.GetHeaderRetries(), 1);
    link.SetBodyRetries(-3);
    EXPECT_EQ(link.GetBodyRetries(), 1);
}

TEST_F(TransactTest, OneByteThenSilence) {
    line.answerAlways({{0, {0x01}}});
    EXPECT_EQ(Ask(0x11), kResultPartial);
    EXPECT_EQ(line.writes.size(), 5u);
}

TEST_F(TransactTest, ShortBodiesEndAfterBodyRetriesWhateverTheHeaders) {
    line.answerAlways({{0, {0x01, 0x11, 0x03, 0x18}}});
    EXPECT_EQ(Ask(0x11), kResultPartial);
    EXPECT_EQ(line.writes.size(), 10u);
}

TEST_F(TransactTest, BodyThatNeverComes) {
    line.answerAlways({{0, {0x01, 0x11, 0x03}}});
    EXPECT_EQ(Ask(0x11), kResultSilent);
    EXPECT_EQ(line.writes.size(), 10u);
}

TEST_F(TransactTest, BadCrcEveryTime) {
    Bytes bad = kIdentAnswer;
    bad.back() ^= 0xFF;
    line.answerAlways({{0, bad}});
    EXPECT_EQ(Ask(0x11), kResultBadCrc);
    EXPECT_EQ(line.writes.size(), 10u);
}

TEST_F(TransactTest, ExceptionEndsAtOnceWhenWholeAndChecked) {
    for (int code : {1, 2, 6, 128, 130, 255}) {
        line.writes.clear();
        line.bytesRead = 0;
        line.answerAlways({{0, Framed({0x01, 0xC4, static_cast<std::uint8_t>(code)})}});
        EXPECT_EQ(Ask(0x44), code);
        EXPECT_EQ(line.writes.size(), 1u) << code;
        EXPECT_EQ(line.bytesRead, 5) << code;
        EXPECT_EQ(link.GetResponseLength(), 5);
    }
}

TEST_F(TransactTest, ExceptionWithCodeZeroIsReadAsAFrame) {
    line.answerAlways({{0, Framed({0x01, 0xC4, 0x00})}});
    EXPECT_EQ(Ask(0x44), kResultOk);
    EXPECT_EQ(line.bytesRead, 5);
}

TEST_F(TransactTest, WritesGetNoRead) {
    line.answerAlways({{0, kIdentAnswer}});
    EXPECT_EQ(Ask(0x45, Bytes(250, 0x11)), kResultOk);
    EXPECT_EQ(Ask(0x46, {1, 2, 3, 4, 5}), kResultOk);
    EXPECT_EQ(Ask(0x46), kResultOk);
    EXPECT_EQ(line.reads, 0);
    ASSERT_EQ(line.writes.size(), 3u);
    EXPECT_EQ(line.writes[0].size(), 254u);
    EXPECT_EQ(line.writes[1][0], 0x00);
    EXPECT_EQ(line.writes[2][0], 0x01);
}

TEST_F(TransactTest, ForeignFunctionByteGivesReceiveError) {
    line.answerAlways({{0, kIdentAnswer}});
    EXPECT_EQ(Ask(0x44), kResultForeignAnswer);
    EXPECT_EQ(line.writes.size(), 5u);
}

TEST_F(TransactTest, AnswerLongerThanTheBufferIsRefused) {
    line.answerAlways({{0, Framed({0x01, 0x04, 0x20})}});
    std::array<std::uint8_t, 15> clockReply{};
    EXPECT_EQ(link.Transact(0, 0x04, 4, Bytes{0, 0, 0, 5}.data(), clockReply),
              kResultForeignAnswer);
}

// Only the device asked answers, and only a whole frame with its CRC counts:
// noise shaped like an exception, or another device's answer, costs one
// attempt and is never taken, and the log calls it what it is.
TEST_F(TransactTest, NoiseShapedLikeAnAnswerIsRepeatedNotTaken) {
    Bytes badCrc = Framed({0x01, 0x91, 0x06});
    badCrc.back() ^= 0x01;
    Bytes strayThenAnswer{0x4D, 0x91, 0x06};
    strayThenAnswer.insert(strayThenAnswer.end(), kIdentAnswer.begin(), kIdentAnswer.end());
    const struct {
        const char* name;
        Bytes first; // the whole first answer
        ExchangeResult logged;
    } cases[] = {
        {"stray bytes like an exception, then the answer", strayThenAnswer, kResultForeignAnswer},
        {"another device's exception", Framed({0x07, 0x91, 0x06}), kResultForeignAnswer},
        {"another device's answer", Framed({0x07, 0x11, 0x03, 0x18, 0x08, 0x00}),
         kResultForeignAnswer},
        {"an exception with a wrong CRC", badCrc, kResultBadCrc},
        {"an exception cut short", {0x01, 0x91, 0x06, 0x00}, kResultPartial},
    };
    for (const auto& c : cases) {
        FakeClock caseClock;
        FakeSerialLine caseLine(caseClock);
        DeviceLink caseLink(caseLine, caseClock, messages);
        std::vector<LinkFrame> frames;
        caseLink.SetFrameObserver([&](LinkFrame frame) { frames.push_back(std::move(frame)); });
        caseLine.portOpen = true;
        caseLine.respond = [&, first = c.first](const Bytes&) {
            return Answer{{0, caseLine.writes.size() == 1 ? first : kIdentAnswer}};
        };
        response.fill(0);
        EXPECT_EQ(caseLink.Transact(0, 0x11, 0, nullptr, response), kResultOk) << c.name;
        EXPECT_EQ(caseLine.writes.size(), 2u) << c.name;
        EXPECT_EQ(Bytes(response.begin(), response.begin() + 8), kIdentAnswer) << c.name;
        ASSERT_GE(frames.size(), 2u) << c.name;
        EXPECT_EQ(frames[1].result, c.logged) << c.name;
    }
}

TEST_F(TransactTest, ConfirmationAnswerIsAnEcho) {
    line.answerAlways({{0, Framed({0x01, 0x0E})}});
    EXPECT_EQ(Ask(0x0E), kResultOk);
    EXPECT_EQ(line.bytesRead, 4);
}

TEST_F(TransactTest, CorrectHeaderRestartsStageOne) {
    const Answer shortBody{{0, {0x01, 0x11, 0x03}}};
    Script({kSilent,
            kSilent,
            kSilent,
            kSilent,
            shortBody,
            kSilent,
            kSilent,
            kSilent,
            kSilent,
            {{0, kIdentAnswer}}});
    EXPECT_EQ(Ask(0x11), kResultOk);
    EXPECT_EQ(line.writes.size(), 10u);
}

TEST_F(TransactTest, StageTwoIsNeverRestarted) {
    link.SetBodyRetries(3);
    const Answer shortBody{{0, {0x01, 0x11, 0x03, 0x18}}};
    Script({shortBody, kSilent, shortBody, kSilent, shortBody, {{0, kIdentAnswer}}});
    EXPECT_EQ(Ask(0x11), kResultPartial);
    EXPECT_EQ(line.writes.size(), 5u);
}

TEST_F(TransactTest, AnswerSplitAtEveryByte) {
    for (std::size_t split = 1; split < kIdentAnswer.size(); ++split) {
        const Bytes head(kIdentAnswer.begin(), kIdentAnswer.begin() + split);
        const Bytes tail(kIdentAnswer.begin() + split, kIdentAnswer.end());
        line.writes.clear();
        line.answerAlways({{10, head}, {90, tail}});
        response.fill(0);
        EXPECT_EQ(Ask(0x11), kResultOk) << split;
        EXPECT_EQ(Bytes(response.begin(), response.begin() + 8), kIdentAnswer) << split;
        EXPECT_EQ(line.writes.size(), 1u) << split;
    }
}

TEST_F(TransactTest, GapLongerThanTheByteTimeoutSplitsTheAnswer) {
    link.SetBodyRetries(1);
    line.answerAlways({{0, Bytes(kIdentAnswer.begin(), kIdentAnswer.begin() + 5)},
                       {150, Bytes(kIdentAnswer.begin() + 5, kIdentAnswer.end())}});
    EXPECT_EQ(Ask(0x11), kResultPartial);
}

TEST_F(TransactTest, BytesAfterTheFrameAreDroppedBeforeTheNextExchange) {
    Bytes oversize = kIdentAnswer;
    oversize.insert(oversize.end(), {0xAA, 0xBB, 0xCC});
    line.answerAlways({{0, oversize}});
    EXPECT_EQ(Ask(0x11), kResultOk);
    EXPECT_EQ(Ask(0x11), kResultOk);
    EXPECT_EQ(Bytes(response.begin(), response.begin() + 8), kIdentAnswer);
    EXPECT_EQ(line.writes.size(), 2u);
}

// Noise on the first answer costs that attempt only: what is left of it is
// drained and purged before the next send, so it cannot shift later answers.
TEST_F(TransactTest, NoisyAnswerCostsOneAttempt) {
    const auto cut = [](std::size_t from, std::size_t to) {
        return Bytes(kIdentAnswer.begin() + static_cast<std::ptrdiff_t>(from),
                     kIdentAnswer.begin() + static_cast<std::ptrdiff_t>(to));
    };
    auto withGarbage = [](std::size_t count) {
        Bytes bytes(count, 0xFF);
        bytes.insert(bytes.end(), kIdentAnswer.begin(), kIdentAnswer.end());
        return Answer{{0, bytes}};
    };
    const std::vector<std::pair<const char*, Answer>> cases{
        {"1 stray byte", withGarbage(1)},
        {"2 stray bytes", withGarbage(2)},
        {"4 stray bytes", withGarbage(4)},
        {"header split by 200 ms", {{0, cut(0, 2)}, {200, cut(2, 8)}}},
        {"body split by 200 ms", {{0, cut(0, 5)}, {200, cut(5, 8)}}},
        {"late past the time-out", {{1400, kIdentAnswer}}},
        // Still coming when the pause after the failure ends: drained until quiet.
        {"stray bytes for 700 ms",
         {{0, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}},
          {60, {0xFF}}}},
    };
    for (const auto& [name, first] : cases) {
        FakeClock caseClock;
        FakeSerialLine caseLine(caseClock);
        DeviceLink caseLink(caseLine, caseClock, messages);
        caseLine.portOpen = true;
        caseLine.respond = [&, first = first](const Bytes&) {
            return caseLine.writes.size() == 1 ? first : Answer{{0, kIdentAnswer}};
        };
        response.fill(0);
        EXPECT_EQ(caseLink.Transact(0, 0x11, 0, nullptr, response), kResultOk) << name;
        EXPECT_EQ(caseLine.writes.size(), 2u) << name;
        EXPECT_EQ(caseLine.purges, 2) << name;
        EXPECT_EQ(Bytes(response.begin(), response.begin() + 8), kIdentAnswer) << name;
    }
}

// The purge before the exchange, a write or a read failing: one message, the
// port closed with its reason for the status bar, and the window told.
TEST_F(TransactTest, LineErrorsEndTheExchangeWithOneMessageAndAClosedPort) {
    for (bool* fault : {&line.failPurge, &line.failWrite, &line.failRead}) {
        line.failPurge = line.failWrite = line.failRead = false;
        line.portOpen = true;
        messages.shown.clear();
        *fault = true;
        EXPECT_EQ(Ask(0x11), kResultLineFailed);
        EXPECT_FALSE(line.isOpen());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text.rfind(
                      "COM-порт отключен. Проверьте оборудование, перезапустите программу.", 0),
                  0u);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(link.LossReason(), "COM1 отключен (line error)");
    }
    EXPECT_EQ(portLost, 3);
    EXPECT_EQ(line.writes.size(), 1u) << "nothing is sent after a failed purge or write";
}

// A failure of the serial layer on a port that is still there is noise: the
// attempt is repeated as after a broken answer, the log says so, and the port
// stays open without a word to the operator.
TEST_F(TransactTest, NoiseOnAPortStillThereRepeatsTheAttempt) {
    const struct {
        const char* where;
        int operation;      // 1 purge, 2 write, 3 header read, 4 body read
        std::size_t writes; // that went out
    } cases[] = {{"purge", 1, 1}, {"write", 2, 1}, {"header read", 3, 2}, {"body read", 4, 2}};
    for (const auto& c : cases) {
        FakeClock caseClock;
        FakeSerialLine caseLine(caseClock);
        DeviceLink caseLink(caseLine, caseClock, messages);
        std::vector<LinkFrame> log;
        caseLink.SetFrameObserver([&](LinkFrame frame) { log.push_back(std::move(frame)); });
        caseLine.portOpen = true;
        caseLine.answerAlways({{5, kIdentAnswer}});
        caseLine.noisyAt = {c.operation};
        messages.shown.clear();
        response.fill(0);
        EXPECT_EQ(caseLink.Transact(0, 0x11, 0, nullptr, response), kResultOk) << c.where;
        EXPECT_TRUE(caseLine.isOpen()) << c.where;
        EXPECT_TRUE(messages.shown.empty()) << c.where;
        EXPECT_EQ(caseLine.writes.size(), c.writes) << c.where;
        EXPECT_EQ(caseLine.looks, 1) << c.where;
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const LinkFrame& f) {
                                    return f.direction == FrameDirection::Noise &&
                                           f.note == "line error";
                                }),
                  1)
            << c.where;
    }
}

// Noise on every attempt ends the exchange as a broken answer would, the port
// still open.
TEST_F(TransactTest, NoiseOnEveryAttemptIsAReceiveError) {
    line.answerAlways({{5, kIdentAnswer}});
    for (int operation = 1; operation < 100; ++operation)
        line.noisyAt.insert(operation);
    EXPECT_EQ(Ask(0x11), kResultLineNoise);
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(portLost, 0);
    EXPECT_EQ(ExchangeResultText("COM1", 0, kResultLineNoise),
              "устройство 1 COM1 ошибка приема данных ");
}

// A port lost is opened again, once, before the next command; one that does
// not open stays closed with the reason; one never opened is left to say so.
TEST_F(TransactTest, ALostPortIsOpenedAgainOnceBeforeTheNextCommand) {
    EXPECT_EQ(link.ReopenIfLost(), DeviceLink::PortState::Open);
    line.failRead = true;
    ASSERT_EQ(Ask(0x11), kResultLineFailed);
    line.failRead = false;
    line.openResult = OpenResult::Failed;
    EXPECT_EQ(link.ReopenIfLost(), DeviceLink::PortState::Closed);
    EXPECT_EQ(link.LossReason(), "COM1 не открывается (line error)");
    EXPECT_FALSE(line.isOpen());
    line.openResult = OpenResult::Opened;
    EXPECT_EQ(link.ReopenIfLost(), DeviceLink::PortState::Reopened);
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(link.LossReason(), "");
    EXPECT_EQ(line.opened.size(), 2u);
    EXPECT_EQ(link.ReopenIfLost(), DeviceLink::PortState::Open);
    EXPECT_EQ(line.opened.size(), 2u);
}

// A clock whose sleeps end early: the pause must still last its full time.
class EarlyWakingClock : public FakeClock {
public:
    void sleepMs(int ms) override { FakeClock::sleepMs(ms / 3 + 1); }
};

TEST(WaitMs, LastsAtLeastTheTimeAskedWithoutSpinning) {
    EarlyWakingClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    const std::int64_t start = clock.now;
    const int passed = link.WaitMs(300);
    EXPECT_GE(passed, 300);
    EXPECT_EQ(clock.now - start, passed);
    EXPECT_EQ(link.WaitMs(0), 0);
    EXPECT_EQ(link.WaitMs(-5), 0);
}

} // namespace
