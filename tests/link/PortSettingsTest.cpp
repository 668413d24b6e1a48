#include "link/PortSettings.h"
#include "link/DeviceLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Plays the operator: each showing records what it was given, applies the
// next scripted choice and ends with the scripted result.
class FakePortDialog : public PortDialog {
public:
    struct Turn {
        std::function<void(PortChoice&)> choose;
        PortDialogResult result;
        bool openExchangeSettings = false;
    };
    PortDialogResult exec(PortDialogData& data) override {
        shown.push_back(data);
        portOpenWhileShown.push_back(portOpen());
        Turn turn = turns.front();
        turns.pop_front();
        if (turn.choose)
            turn.choose(data.choice);
        if (turn.openExchangeSettings)
            data.exchangeSettings();
        return turn.result;
    }
    std::function<bool()> portOpen;
    std::deque<Turn> turns;
    std::vector<PortDialogData> shown;
    std::vector<bool> portOpenWhileShown;
};

class FakeExchangeDialog : public ExchangeDialog {
public:
    bool exec(ExchangeSettingsData& data) override {
        shown.push_back(data);
        if (edit)
            edit(data);
        return ok;
    }
    std::function<void(ExchangeSettingsData&)> edit;
    bool ok = true;
    std::vector<ExchangeSettingsData> shown;
};

class PortSettingsTest : public ::testing::Test {
protected:
    PortSettingsTest() {
        portDialog.portOpen = [this] { return line.isOpen(); };
    }
    void Turn(std::function<void(PortChoice&)> choose, PortDialogResult result) {
        portDialog.turns.push_back({std::move(choose), result});
    }

    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
    FakePortDialog portDialog;
    FakeExchangeDialog exchangeDialog;
    std::vector<PortEntry> ports{
        {"COM3", "/dev/ttyS3"}, {"COM1", "/dev/ttyS1"}, {"COM2", "/dev/pts/4"}};
    PortSettingsCommand command{link, portDialog, exchangeDialog, [this] { return ports; }};
};

TEST_F(PortSettingsTest, FirstShowingSelectsTheFirstPortAndTheDefaults) {
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(0);
    const PortDialogData& shown = portDialog.shown.at(0);
    EXPECT_EQ(shown.ports.at(0).name, "COM3");
    EXPECT_EQ(shown.choice.port, 0);
    EXPECT_EQ(shown.choice.speed, 0);
    EXPECT_EQ(shown.choice.parity, 0);
    EXPECT_EQ(shown.choice.stopBits, 1);
    EXPECT_EQ(line.opened.at(0).portName, "COM3");
    EXPECT_TRUE(line.isOpen());
    EXPECT_TRUE(command.completed());
}

TEST_F(PortSettingsTest, ChoicesBecomeThePortSettings) {
    Turn(
        [](PortChoice& c) {
            c.speed = 1;
            c.parity = 1;
            c.stopBits = 0;
            c.port = 2;
        },
        PortDialogResult::Ok);
    command.showPortSettings(0);
    EXPECT_EQ(link.BaudRate, "19200");
    EXPECT_EQ(link.Parity, "O");
    EXPECT_EQ(link.StopBits, "1");
    EXPECT_EQ(link.PortName, "COM2");
    EXPECT_TRUE(line.isOpen());
    // The next showing starts from what was chosen.
    Turn(nullptr, PortDialogResult::Cancel);
    command.showPortSettings(0);
    EXPECT_EQ(portDialog.shown.at(1).choice.port, 2);
    EXPECT_EQ(portDialog.shown.at(1).choice.speed, 1);
    EXPECT_FALSE(portDialog.portOpenWhileShown.at(1));
    EXPECT_TRUE(line.isOpen()) << "Cancel reopens a port that was open";
}

TEST_F(PortSettingsTest, RefusedCombinationOffersRetry) {
    portDialog.turns.push_back({[](PortChoice& c) {
                                    c.parity = 2;
                                    c.stopBits = 1;
                                    c.speed = 3;
                                },
                                PortDialogResult::Refused});
    Turn(nullptr, PortDialogResult::Cancel);
    messages.answers = {Answer::Retry};
    command.showPortSettings(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Ошибочные данные ");
    EXPECT_EQ(messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    ASSERT_EQ(portDialog.shown.size(), 2u);
    EXPECT_EQ(portDialog.shown[1].choice.parity, 0) << "refused entries are not remembered";
    EXPECT_EQ(portDialog.shown[1].choice.speed, 0);
    EXPECT_TRUE(line.opened.empty());
}

TEST_F(PortSettingsTest, RefusedThenCancelledLeavesThePortClosed) {
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(0);
    ASSERT_TRUE(line.isOpen());
    Turn(nullptr, PortDialogResult::Refused);
    messages.answers = {Answer::Cancel};
    command.showPortSettings(0);
    EXPECT_FALSE(line.isOpen());
}

TEST_F(PortSettingsTest, CancelWhileClosedKeepsItClosed) {
    Turn(nullptr, PortDialogResult::Cancel);
    command.showPortSettings(0);
    EXPECT_FALSE(line.isOpen());
    EXPECT_TRUE(line.opened.empty());
    EXPECT_TRUE(command.completed());
}

TEST_F(PortSettingsTest, FailedSetupShowsMessage132) {
    ports = {{"ttyACM0", "/dev/ttyACM0"}};
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, " невозможно открыть последовательный порт ");
    EXPECT_FALSE(command.completed());
    EXPECT_EQ(link.PortName, "ttyACM0") << "the settings hold the new choices";
}

TEST_F(PortSettingsTest, PortThatCannotBeOpened) {
    line.openResult = OpenResult::Failed;
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "COM-порт отключен. Проверьте оборудование, перезапустите программу.");
    EXPECT_EQ(messages.shown[1].text, " невозможно открыть последовательный порт ");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(PortSettingsTest, RememberedPortSurvivesCancelAndAShrinkingList) {
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(0);
    Turn([](PortChoice& c) { c.port = 2; }, PortDialogResult::Cancel);
    command.showPortSettings(0);
    Turn(nullptr, PortDialogResult::Cancel);
    command.showPortSettings(0);
    EXPECT_EQ(portDialog.shown.at(2).choice.port, 2);
    ports.resize(1);
    Turn(nullptr, PortDialogResult::Cancel);
    command.showPortSettings(0);
    EXPECT_EQ(portDialog.shown.at(3).choice.port, 0);
    ports.clear();
    Turn(nullptr, PortDialogResult::Ok);
    command.showPortSettings(0);
    EXPECT_EQ(portDialog.shown.at(4).choice.port, -1);
    EXPECT_EQ(link.PortName, "");
}

TEST_F(PortSettingsTest, ExchangeSettingsOkWritesTheDefaults) {
    command.ExchangeSettingsClick();
    const ExchangeSettingsData& shown = exchangeDialog.shown.at(0);
    EXPECT_EQ(shown.sendDelay, 25);
    EXPECT_EQ(shown.receiveDelay, 20);
    EXPECT_EQ(shown.headerRetriesEntry, 1);
    EXPECT_EQ(shown.bodyRetriesEntry, 1);
    EXPECT_EQ(link.GetHeaderRetries(), 5);
    EXPECT_EQ(link.GetBodyRetries(), 10);
    EXPECT_EQ(link.GetSendDelay(), 25);
    EXPECT_EQ(link.GetReceiveDelay(), 20);
}

TEST_F(PortSettingsTest, ExchangeSettingsChangesOnlyOnOk) {
    exchangeDialog.edit = [](ExchangeSettingsData& d) {
        d.sendDelay = 40;
        d.headerRetriesEntry = 0;
        d.bodyRetriesEntry = 0;
    };
    exchangeDialog.ok = false;
    command.ExchangeSettingsClick();
    EXPECT_EQ(link.GetSendDelay(), 25);
    EXPECT_EQ(command.exchangeSettings().sendDelay, 25);
    exchangeDialog.ok = true;
    command.ExchangeSettingsClick();
    EXPECT_EQ(exchangeDialog.shown.at(1).sendDelay, 25) << "a closed dialog drops its edits";
    EXPECT_EQ(link.GetSendDelay(), 40);
    EXPECT_EQ(link.GetHeaderRetries(), 1);
    EXPECT_EQ(link.GetBodyRetries(), 1);
}

TEST_F(PortSettingsTest, ExchangeSettingsFromInsideThePortDialog) {
    exchangeDialog.edit = [](ExchangeSettingsData& d) { d.sendDelay = 7; };
    portDialog.turns.push_back({nullptr, PortDialogResult::Cancel, true});
    command.showPortSettings(0);
    EXPECT_EQ(link.GetSendDelay(), 7);
}

// What one run's port command chose, the next run takes back: the link, the
// dialogs' entries and the exchange settings, for every choice the dialogs offer.
TEST_F(PortSettingsTest, EverySuccessfulChoiceComesBackInTheNextRun) {
    int combinations = 0;
    for (int n = 0; n < 4 * 3 * 2 * 3; ++n) { // speed, parity, stop bits, port
        const PortChoice choice{n % 4, n / 4 % 3, n / 12 % 2, n / 24};
        if (JudgePortChoice(choice) != PortDialogResult::Ok)
            continue;
        const int k = ++combinations;
        exchangeDialog.edit = [k](ExchangeSettingsData& d) {
            d = {1 + k, 100 - k, k % 2, k / 2 % 2};
        };
        portDialog.turns.push_back(
            {[choice](PortChoice& c) { c = choice; }, PortDialogResult::Ok, true});
        ASSERT_TRUE(command.showPortSettings(0));
        FakeSerialLine nextLine{clock};
        DeviceLink nextLink{nextLine, clock, messages};
        PortSettingsCommand next{nextLink, portDialog, exchangeDialog, [this] { return ports; }};
        next.Restore(command.Saved());
        std::string reason;
        ASSERT_TRUE(next.OpenAtStart(reason));
        EXPECT_EQ(nextLine.opened.at(0).portName, line.opened.back().portName);
        EXPECT_EQ(next.Saved(), command.Saved());
        EXPECT_EQ(next.remembered(), choice);
        EXPECT_EQ(next.exchangeSettings(), command.exchangeSettings());
    }
    EXPECT_EQ(combinations, 60);
    EXPECT_TRUE(messages.shown.empty());
}

// A value no dialog offers leaves its group (line or exchange) at the defaults.
TEST_F(PortSettingsTest, SettingsNoDialogOffersLeaveTheirDefaults) {
    const SavedPortSettings good{"COM1", "19200", "O", "1", 1, 1, 30, 30};
    const SavedPortSettings goodExchange{"COM1", "9600", "N", "2", 1, 1, 30, 30};
    const SavedPortSettings goodLine{"COM1", "19200", "O", "1", 5, 10, 25, 20};
    const std::vector<std::pair<SavedPortSettings, SavedPortSettings>> cases{
        {{"COM1", "1000", "O", "1", 1, 1, 30, 30}, goodExchange},
        {{"COM1", "19200", "E", "2", 1, 1, 30, 30}, goodExchange},
        {{"COM1", "19200", "O", "1", 0, 1, 30, 30}, goodLine},
        {{"COM1", "19200", "O", "1", 1, 1, 30, 101}, goodLine},
        {good, good}};
    for (const auto& [saved, kept] : cases) {
        DeviceLink fresh{line, clock, messages};
        PortSettingsCommand restored{fresh, portDialog, exchangeDialog, [this] { return ports; }};
        restored.Restore(saved);
        EXPECT_EQ(restored.Saved(), kept) << saved.baudRate << saved.parity << saved.stopBits;
        EXPECT_EQ(restored.remembered().port, 1);
    }
}

TEST_F(PortSettingsTest, AtStartAnAbsentOrDeadPortStaysClosedWithoutABox) {
    std::string reason;
    command.Restore({"COM9", "9600", "N", "2"});
    EXPECT_FALSE(command.OpenAtStart(reason));
    EXPECT_EQ(reason, "нет в списке портов системы");
    EXPECT_TRUE(line.opened.empty()) << "a port not in the list is not tried";
    command.Restore({"COM2", "9600", "N", "2"});
    line.openResult = OpenResult::Failed;
    EXPECT_FALSE(command.OpenAtStart(reason));
    EXPECT_EQ(reason, "line error") << "the line's own reason";
    EXPECT_EQ(line.opened.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(JudgePortChoice, OnlyEvenParityWithTwoStopBitsIsRefused) {
    for (int parity = 0; parity < 3; ++parity)
        for (int stop = 0; stop < 2; ++stop)
            EXPECT_EQ(JudgePortChoice({0, parity, stop, 0}),
                      parity == 2 && stop == 1 ? PortDialogResult::Refused : PortDialogResult::Ok);
}

} // namespace
