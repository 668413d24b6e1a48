#include "device/ExitQuestions.h"
#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

const Answer Y = Answer::Yes, N = Answer::No, C = Answer::Cancel;
const std::string Exit = "Действительно хотите закончить работу?",
                  Save = "Данные были изменены. Сохранить в файле?",
                  Send = "Данные были изменены. Передать?";

struct ExitCase {
    const char* name;
    int modified;
    std::vector<Answer> answers;
    bool transferSucceeds;
    bool closes;
    std::vector<std::string> questions;
    std::vector<std::string> commands; // run, in order
    int modifiedAfter;
};

// Test names in the listings instead of raw bytes.
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class ExitCommand : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitCommand, AsksAndRuns) {
    const ExitCase& c = GetParam();
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.Modified = c.modified;
    ExitQuestions exit(model, messages);
    std::vector<std::string> commands;
    exit.save = [&] {
        commands.push_back("save");
        model.Modified = 0;
    };
    exit.transfer = [&] {
        commands.push_back("transfer");
        if (c.transferSucceeds)
            model.Modified = 0;
    };
    messages.answers = {c.answers.begin(), c.answers.end()};
    EXPECT_EQ(exit.ExitCommand(), c.closes);
    std::vector<std::string> questions;
    for (const MessageBox& box : messages.shown) {
        questions.push_back(box.text);
        // The offer to save has a way back, as before a new scheme.
        EXPECT_EQ(box.buttons,
                  box.text == Save ? MessageButtons::YesNoCancel : MessageButtons::YesNo);
        EXPECT_EQ(box.icon, MessageIcon::Question);
    }
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(model.Modified, c.modifiedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ExitCommand,
    ::testing::Values(
        ExitCase{"NotConfirmed", 1, {N}, true, false, {Exit}, {}, 1},
        ExitCase{"CancelAtTheOfferToSaveStays", 1, {Y, C}, true, false, {Exit, Save}, {}, 1},
        ExitCase{"Unchanged", 0, {Y}, true, true, {Exit}, {}, 0},
        ExitCase{"NoToBothDropsTheChanges", 1, {Y, N, N}, true, true, {Exit, Save, Send}, {}, 0},
        ExitCase{"SaveOnly", 1, {Y, Y, N}, true, true, {Exit, Save, Send}, {"save"}, 0},
        ExitCase{"SaveAndTransfer",
                 1,
                 {Y, Y, Y},
                 true,
                 true,
                 {Exit, Save, Send},
                 {"save", "transfer"},
                 0},
        ExitCase{"TransferOnly", 1, {Y, N, Y}, true, true, {Exit, Save, Send}, {"transfer"}, 0},
        // The transfer sees the data as changed, and a failed one keeps them so.
        ExitCase{"FailedTransferKeepsTheChanges",
                 1,
                 {Y, N, Y},
                 false,
                 true,
                 {Exit, Save, Send},
                 {"transfer"},
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExitCommand, TransferSeesTheChangesAfterNoToSaving) {
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.Modified = 1;
    ExitQuestions exit(model, messages);
    int seen = -1;
    exit.transfer = [&] { seen = model.Modified; };
    messages.answers = {Y, N, Y};
    exit.ExitCommand();
    EXPECT_EQ(seen, 1);
}

// A save agreed to that did not happen (here there is none to run) keeps the
// program and its changes, and nothing more is asked.
TEST(ExitCommand, SaveThatDidNotHappenStays) {
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.Modified = 1;
    ExitQuestions exit(model, messages);
    messages.answers = {Y, Y, Y, Y, Y};
    EXPECT_FALSE(exit.ExitCommand());
    EXPECT_FALSE(exit.Closing());
    EXPECT_EQ(model.Modified, 1);
    EXPECT_EQ(messages.shown.size(), 3u);
}

// "Отмена" at the offer to save when the window closes: it stays open with its
// changes, and nothing else is asked.
TEST(Closing, CancelAtTheOfferToSaveKeepsTheWindow) {
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.Modified = 1;
    ExitQuestions exit(model, messages);
    exit.save = [&] { model.Modified = 0; };
    messages.answers = {C};
    EXPECT_FALSE(exit.Closing());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Save);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(model.Modified, 1);
}

struct ClosingCase {
    const char* name;
    int modified;
    std::vector<Answer> answers;
    std::vector<std::string> texts;
    std::vector<std::string> commands;
};

// Test names in the listings instead of raw bytes.
void PrintTo(const ClosingCase& c, std::ostream* os) {
    *os << c.name;
}

class Closing : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(Closing, OffersWhileChangedThenSaysGoodbye) {
    const ClosingCase& c = GetParam();
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.Modified = c.modified;
    ExitQuestions exit(model, messages);
    std::vector<std::string> commands;
    exit.save = [&] {
        commands.push_back("save");
        model.Modified = 0;
    };
    exit.transfer = [&] { commands.push_back("transfer"); };
    messages.answers = {c.answers.begin(), c.answers.end()};
    EXPECT_TRUE(exit.Closing());
    std::vector<std::string> texts;
    for (const MessageBox& box : messages.shown)
        texts.push_back(box.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(commands, c.commands);
    const bool saved = !commands.empty() && commands.front() == "save";
    EXPECT_EQ(model.Modified, saved ? 0 : c.modified) << "only a save clears the mark here";
    const MessageBox& last = messages.shown.back();
    EXPECT_EQ(last.caption, "Подтверждение");
    EXPECT_EQ(last.icon, MessageIcon::Information);
    EXPECT_EQ(last.buttons, MessageButtons::Ok);
}

const std::string End = "Работа закончена";

INSTANTIATE_TEST_SUITE_P(
    Answers, Closing,
    ::testing::Values(ClosingCase{"Unchanged", 0, {}, {End}, {}},
                      ClosingCase{"NoToBoth", 1, {N, N}, {Save, Send, End}, {}},
                      ClosingCase{"YesToBoth", 1, {Y, Y}, {Save, Send, End}, {"save", "transfer"}},
                      ClosingCase{"TransferOnly", 1, {N, Y}, {Save, Send, End}, {"transfer"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
