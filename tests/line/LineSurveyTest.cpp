// The survey of a line in test time: every address asked ends in a row, an
// answer counts for the address it names whenever it comes, and noise never
// makes a device, moves one, or hides one.

#include "line/LineSurvey.h"
#include "line/LineSession.h"
#include "support/SimulatedLine.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Found {
    Outcome outcome;
    int first;
    int second;
    bool operator==(const Found&) const = default;
};
void PrintTo(const Found& f, std::ostream* os) {
    *os << OutcomeKey(f.outcome) << " " << f.first << "-" << f.second;
}

// What was found at each address that is not absent.
std::map<int, Found> NotAbsent(const std::vector<SurveyRow>& rows) {
    std::map<int, Found> found;
    for (const SurveyRow& row : rows)
        if (row.outcome() != Outcome::Absent)
            found[row.address] = {row.outcome(), row.first, row.second};
    return found;
}

class LineSurveyTest : public ::testing::Test {
protected:
    std::vector<SurveyRow> Survey(const SurveySettings& settings = {},
                                  const std::atomic<bool>* cancel = nullptr) {
        return SurveyLine(session, settings, observer, cancel);
    }
    // The line the whole-line commands were tried on: five codes, answers
    // after 0 to 400 ms.
    void FiveDevices() {
        sim.Add(2, 24, 8, 0);
        sim.Add(7, 12, 4, 100);
        sim.Add(13, 6, 6, 200);
        sim.Add(24, 24, 43, 300);
        sim.Add(31, 12, 22, 400);
    }
    const std::map<int, Found> kFive{{2, {Outcome::Ready, 24, 8}},
                                     {7, {Outcome::Ready, 12, 4}},
                                     {13, {Outcome::Ready, 6, 6}},
                                     {24, {Outcome::Ready, 24, 43}},
                                     {31, {Outcome::Ready, 12, 22}}};

    SimulatedLine sim;
    LineSession session{sim.line, sim.clock, sim.messages};
    SurveyObserver observer;
};

TEST_F(LineSurveyTest, SlowAndFastDevicesAreFoundAtTheirOwnAddressesAndAskedOnce) {
    FiveDevices();
    std::vector<int> settled;
    observer.settled = [&](const SurveyRow& row) { settled.push_back(row.address); };
    const std::vector<SurveyRow> rows = Survey();
    ASSERT_EQ(rows.size(), 31u);
    for (int a = 1; a <= 31; ++a)
        EXPECT_EQ(rows[static_cast<std::size_t>(a - 1)].address, a);
    EXPECT_EQ(NotAbsent(rows), kFive);
    // A device found is not asked again; an empty address once per round.
    for (int a = 1; a <= 31; ++a)
        EXPECT_EQ(sim.Asked(a), kFive.count(a) ? 1 : 2) << a;
    EXPECT_EQ(settled.size(), 31u) << "every row is told once";
    EXPECT_TRUE(sim.messages.shown.empty());
}

// The faults of one device against a survey of 1..8: it is listed with what
// went wrong, or found in spite of it, and no neighbour is made of it.
TEST_F(LineSurveyTest, EachDeviceEndsInARowThatSaysWhatCame) {
    struct Case {
        const char* name;
        SimFaults faults;
        Found row;
        ExchangeResult result;
    };
    SimFaults badCrc, refusing, notReady, late, oneByte;
    badCrc.badCrc = -1;
    refusing.exceptionFunction = 0x11;
    refusing.exceptionCode = 2;
    notReady.status = 1;
    late.lateMs = 1700;
    oneByte.oneByte = true;
    const Case cases[] = {
        {"bad CRC every time", badCrc, {Outcome::Unreadable, 0, 0}, kResultBadCrc},
        {"refuses the question", refusing, {Outcome::Refused, 0, 0}, 2},
        {"not ready", notReady, {Outcome::NotReady, 24, 8}, kResultOk},
        {"answers 1.7 s late", late, {Outcome::Ready, 24, 8}, kResultOk},
        {"one byte and silence", oneByte, {Outcome::Unreadable, 0, 0}, kResultPartial},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedLine line;
        line.Add(5, 24, 8);
        line.devices.back() = SimulatedDevice(c.faults);
        line.devices.back().address = 5;
        LineSession caseSession(line.line, line.clock, line.messages);
        SurveySettings settings;
        settings.last = 8;
        const std::vector<SurveyRow> rows = SurveyLine(caseSession, settings);
        ASSERT_EQ(rows.size(), 8u);
        EXPECT_EQ(NotAbsent(rows), (std::map<int, Found>{{5, c.row}}));
        EXPECT_EQ(rows[4].result, c.result);
    }
}

// Noise at 0.2 on every answer of a five-device line, over many seeds: a
// device is found or named with what came from it, never at another address,
// and nothing is made of noise.
TEST_F(LineSurveyTest, NoiseNeitherHidesNorMovesNorMakesADevice) {
    const std::pair<const char*, std::vector<ChaosFault>> kinds[] = {
        {"stray bytes and split answers",
         {ChaosFault::StrayByte, ChaosFault::Split, ChaosFault::LongSplit, ChaosFault::Garbage}},
        {"every kind of fault", SimChaos::AllKinds()},
    };
    for (const auto& [name, faults] : kinds) {
        int missed = 0, faultsInjected = 0;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            SimulatedLine line;
            for (const auto& [address, found] : kFive) {
                line.Add(address, found.first, found.second, address * 12);
                line.devices.back().chaos.emplace(seed * 100 + static_cast<std::uint32_t>(address),
                                                  0.2, faults);
            }
            LineSession caseSession(line.line, line.clock, line.messages);
            const std::vector<SurveyRow> rows = SurveyLine(caseSession, {});
            for (const SimulatedDevice& device : line.devices)
                faultsInjected += device.chaos->faults();
            for (const SurveyRow& row : rows) {
                SCOPED_TRACE(std::string(name) + ", seed " + std::to_string(seed) + ", address " +
                             std::to_string(row.address));
                const auto device = kFive.find(row.address);
                if (device == kFive.end()) {
                    EXPECT_EQ(row.outcome(), Outcome::Absent);
                    continue;
                }
                if (row.outcome() == Outcome::Ready) {
                    EXPECT_EQ((Found{Outcome::Ready, row.first, row.second}), device->second);
                } else {
                    ++missed;
                }
                EXPECT_TRUE(row.heard()) << "a device there is never listed as absent";
            }
        }
        EXPECT_GT(faultsInjected, 40) << name;
        if (std::string(name) == "stray bytes and split answers") {
            EXPECT_EQ(missed, 0) << "noise alone costs no device";
        }
    }
}

TEST_F(LineSurveyTest, ACancelEndsItWithTheRowsOfTheAddressesAsked) {
    FiveDevices();
    std::atomic<bool> cancel = false;
    observer.progress = [&](int done, int) { cancel = done == 8; };
    const std::vector<SurveyRow> rows = Survey({}, &cancel);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(NotAbsent(rows), (std::map<int, Found>{{2, kFive.at(2)}, {7, kFive.at(7)}}));
    EXPECT_EQ(sim.Asked(9), 0);
}

TEST_F(LineSurveyTest, LeavesTheLinksOwnSettingsAsItFoundThem) {
    FiveDevices();
    session.link.SetHeaderRetries(5);
    session.link.SetBodyRetries(10);
    Survey();
    EXPECT_EQ(session.link.GetHeaderRetries(), 5);
    EXPECT_EQ(session.link.GetBodyRetries(), 10);
    EXPECT_EQ(session.link.GetRetryPause(), 300);
    EXPECT_EQ(sim.line.readTimeoutMs, 0);
}

TEST(QuickWait, IsTheQuestionAndTheAnswerAtTheLineSpeedAndATurnaround) {
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    const struct {
        const char* baud;
        const char* parity;
        const char* stopBits;
        int ms;
    } cases[] = {{"9600", "N", "2", 14 + 50},
                 {"9600", "E", "1", 14 + 50},
                 {"115200", "N", "1", 2 + 50},
                 {"1200", "O", "2", 120 + 50}};
    for (const auto& c : cases) {
        link.BaudRate = c.baud;
        link.Parity = c.parity;
        link.StopBits = c.stopBits;
        EXPECT_EQ(QuickWaitMs(link), c.ms) << c.baud << c.parity << c.stopBits;
    }
}

} // namespace
