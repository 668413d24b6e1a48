#include "editor/CommandPreamble.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

namespace {

struct PreambleCase {
    const char* name;
    bool scheme;        // a 12-04 scheme exists
    std::string second; // text of the second code field
    int input, block;   // selection
    bool ackOn;         // external acknowledge in the device byte
    bool alsoRefuse;    // the command's own extra condition
    int row;            // expected result
    int modified;       // expected Modified
    std::vector<std::string> texts;
    std::vector<std::string> log; // what the window saw besides the code check
};
void PrintTo(const PreambleCase& c, std::ostream* os) {
    *os << c.name;
}

class Preamble : public ::testing::TestWithParam<PreambleCase> {};

TEST_P(Preamble, StepsInOrder) {
    const PreambleCase& c = GetParam();
    SessionFixture<> s;
    if (c.scheme) {
        s.model.ExecFirst = 12;
        s.model.ExecSecond = 4;
        s.creation.CreateScheme();
        s.window.showExecCode(12, 4);
    }
    s.window.second.value = c.second;
    s.window.log.clear();
    s.model.SelectedInput = c.input;
    s.model.SelectedFb = c.block;
    s.model.SetDeviceByte(c.ackOn ? 0x20 : 0);
    s.messages.answers.push_back(Answer::No); // to the create prompt

    EXPECT_EQ(CommandPreamble(s.session).Run(c.alsoRefuse), c.row);
    std::vector<std::string> texts;
    for (const MessageBox& box : s.messages.shown)
        texts.push_back(box.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(s.model.Modified, c.modified);
    EXPECT_EQ(s.window.log, c.log);
    if (c.row >= 0 || c.modified == 1) {
        EXPECT_EQ(s.model.ExecSecond, 4);
    }
}

// 12-04 has 16 channels: the acknowledge input is image index 15, slot 27.
INSTANTIATE_TEST_SUITE_P(
    Table, Preamble,
    ::testing::Values(
        PreambleCase{"NoSchemeAskedThenExit",
                     false,
                     "04",
                     3,
                     -1,
                     false,
                     false,
                     -1,
                     0,
                     {"Схема не создана. Будете создавать?"},
                     {"exit"}},
        PreambleCase{"BadCodeEndsBeforeModified",
                     true,
                     "05",
                     3,
                     -1,
                     false,
                     false,
                     -1,
                     0,
                     {" Ошибка ввода "},
                     {}},
        PreambleCase{"TwoSelected",
                     true,
                     "04",
                     3,
                     2,
                     false,
                     false,
                     -1,
                     1,
                     {"Выбрано более одного входа"},
                     {}},
        PreambleCase{"NoneSelected",
                     true,
                     "04",
                     -1,
                     -1,
                     false,
                     false,
                     -1,
                     1,
                     {"Не выбран № входа или № ФБ"},
                     {}},
        PreambleCase{
            "AckInputRefused", true, "04", 27, -1, true, false, -1, 1, {"Недоступная функция"}, {}},
        PreambleCase{"AckOffSlot27Allowed", true, "04", 27, -1, false, false, 27, 1, {}, {}},
        PreambleCase{"AckOnOtherSlotAllowed", true, "04", 26, -1, true, false, 26, 1, {}, {}},
        PreambleCase{"BlockRow", true, "04", -1, 4, true, false, 36, 1, {}, {}},
        PreambleCase{"ExtraConditionRefuses",
                     true,
                     "04",
                     -1,
                     4,
                     false,
                     true,
                     -1,
                     1,
                     {"Недоступная функция"},
                     {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
