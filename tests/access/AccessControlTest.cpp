#include "access/AccessControl.h"
#include "access/PasswordFile.h"

#include "AccessTestSupport.h"
#include "support/FakeMessages.h"

#include <QtCore/qnamespace.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const QString kFile = "FParol.dat";

std::vector<std::string> textsOf(const FakeMessages& messages) {
    std::vector<std::string> texts;
    for (const MessageBox& box : messages.shown)
        texts.push_back(box.text);
    return texts;
}

struct StartupCase {
    const char* name;
    std::optional<QByteArray> file; // nothing: no password file
    std::vector<std::string> typed;
    std::vector<Answer> answers; // to "Введенный пароль неверен"
    bool goesOn;
    int level;
};
void PrintTo(const StartupCase& c, std::ostream* os) {
    *os << c.name;
}

class StartupCheck : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupCheck, DecidesTheAccessLevel) {
    const StartupCase& c = GetParam();
    ScratchDirectory cwd;
    if (c.file)
        writeRawFile(kFile, *c.file);
    FakeMessages messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    ConfigurationModel model(messages);
    model.AccessLevel = 1; // the check starts from level 0 whatever came before
    FakeOperator op(model, messages);
    op.entries.assign(c.typed.begin(), c.typed.end());

    EXPECT_EQ(RunStartupCheck(model, messages, op), c.goesOn);
    EXPECT_EQ(model.AccessLevel, c.level);
    EXPECT_EQ(op.shown, static_cast<int>(c.typed.size()));
    ASSERT_EQ(messages.shown.size(), c.answers.size());
    for (const MessageBox& box : messages.shown) {
        EXPECT_EQ(box.text, "Введенный пароль неверен");
        EXPECT_EQ(box.caption, "Ошибка");
        EXPECT_EQ(box.icon, MessageIcon::Error);
        EXPECT_EQ(box.buttons, MessageButtons::RetryCancel);
    }
}

const QByteArray k1234 = QByteArray::fromHex("d204");

INSTANTIATE_TEST_SUITE_P(
    Passwords, StartupCheck,
    ::testing::Values(
        StartupCase{"NoFileDefault", std::nullopt, {"7352"}, {}, true, 1},
        StartupCase{"NoFileEmpty", std::nullopt, {""}, {}, true, 0},
        StartupCase{"NoFileOtherCancel", std::nullopt, {"1234"}, {Answer::Cancel}, false, 0},
        StartupCase{
            "NoFileRetryThenDefault", std::nullopt, {"1", "7352"}, {Answer::Retry}, true, 1},
        StartupCase{"FileRefusesDefault", k1234, {"7352", "1234"}, {Answer::Retry}, true, 1},
        StartupCase{"FileNumber", k1234, {"1234"}, {}, true, 1},
        StartupCase{"FileEmptyEntry", k1234, {""}, {}, true, 0},
        StartupCase{"FileLeadingZerosRefused", k1234, {"01234"}, {Answer::Cancel}, false, 0},
        StartupCase{"EmptyFileIsZero", QByteArray(), {"0"}, {}, true, 1},
        StartupCase{"Largest", QByteArray::fromHex("ffff"), {"65535"}, {}, true, 1},
        StartupCase{"OneByteFile", QByteArray::fromHex("05"), {"5"}, {}, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

class PasswordChange : public ::testing::Test {
protected:
    PasswordChange() : model(messages), op(model, messages) { model.AccessLevel = 1; }

    // Runs the command with the operator answering Yes and typing `typed`.
    void change(const std::string& typed) {
        messages.answers = {Answer::Yes};
        op.entries = {typed};
        ChangePassword(model, messages, op);
    }

    ScratchDirectory cwd;
    FakeMessages messages;
    ConfigurationModel model;
    FakeOperator op;
};

struct ChangeCase {
    const char* name;
    std::string typed;
    std::vector<std::string> notices; // after the question
    std::optional<QByteArray> file;   // what the file holds afterwards
    bool fieldCleared;
};
void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class PasswordChangeTable : public PasswordChange,
                            public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(PasswordChangeTable, StoresOrRefusesTheNewPassword) {
    const ChangeCase& c = GetParam();
    writeRawFile(kFile, k1234);
    change(c.typed);

    ASSERT_GE(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Будете менять пароль?");
    EXPECT_EQ(messages.shown[0].caption, "Подтвердите замену пароля");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    std::vector<std::string> notices = textsOf(messages);
    notices.erase(notices.begin());
    EXPECT_EQ(notices, c.notices);
    for (std::size_t i = 1; i < messages.shown.size(); ++i) {
        EXPECT_EQ(messages.shown[i].caption, "Программатор ВИЛ-3K");
        EXPECT_EQ(messages.shown[i].icon, MessageIcon::None);
    }
    EXPECT_EQ(rawFile(kFile), c.file);
    EXPECT_TRUE(op.warningShown);
    EXPECT_EQ(op.field.empty(), c.fieldCleared || c.typed.empty());
    EXPECT_EQ(model.PasswordChangeMode, c.file == k1234 ? 1 : 0);
    EXPECT_EQ(model.AccessLevel, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PasswordChangeTable,
    ::testing::Values(
        ChangeCase{
            "Empty", "", {"Будьте внимательнее при вводе", "Пароль не заменен"}, k1234, false},
        ChangeCase{"Above65535",
                   "65536",
                   {"Введите число не более 65535", "Пароль не заменен"},
                   k1234,
                   true},
        ChangeCase{"FiveNines",
                   "99999",
                   {"Введите число не более 65535", "Пароль не заменен"},
                   k1234,
                   true},
        ChangeCase{"ManyDigits",
                   "123456789012345678901234",
                   {"Введите число не более 65535", "Пароль не заменен"},
                   k1234,
                   true},
        ChangeCase{"PastedLetters", "12a", {"Пароль не заменен"}, k1234, true},
        ChangeCase{"PastedBlank", " 12", {"Пароль не заменен"}, k1234, true},
        ChangeCase{"Largest", "65535", {"Пароль заменен!"}, QByteArray::fromHex("ffff"), false},
        ChangeCase{"Zero", "0", {"Пароль заменен!"}, QByteArray::fromHex("0000"), false},
        ChangeCase{
            "LeadingZeros", "00042", {"Пароль заменен!"}, QByteArray::fromHex("2a00"), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasswordChange, LeadingZerosAreNotPartOfTheNextPassword) {
    change("00042");
    FakeOperator startup(model, messages);
    startup.entries = {"00042", "42"};
    messages.answers = {Answer::Retry};
    EXPECT_TRUE(RunStartupCheck(model, messages, startup));
    EXPECT_EQ(startup.shown, 2);
    EXPECT_EQ(model.AccessLevel, 1);
}

TEST_F(PasswordChange, RestrictedLevelIsRefusedBeforeAnyQuestion) {
    model.AccessLevel = 0;
    model.PasswordChangeMode = 1;
    change("55");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Ваш уровень доступа не позволяет\nменять пароль");
    EXPECT_EQ(messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(op.shown, 0);
    EXPECT_FALSE(rawFile(kFile).has_value());
}

TEST_F(PasswordChange, AnsweringNoLeavesCheckModeAndShowsNoDialog) {
    model.PasswordChangeMode = 1;
    messages.answers = {Answer::No};
    op.entries = {"55"};
    ChangePassword(model, messages, op);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(op.shown, 0);
    EXPECT_EQ(model.PasswordChangeMode, 0);
    EXPECT_FALSE(rawFile(kFile).has_value());
}

TEST_F(PasswordChange, AFailedWriteKeepsTheOldPasswordInForce) {
    writeRawFile(kFile, k1234);
    {
        ReadOnlyDirectory readOnly;
        change("55");
    }
    {
        FullDisk full(1);
        change("55");
    }
    const std::vector<std::string> texts = textsOf(messages);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Файл не удается создать"), 2);
    EXPECT_EQ(texts.back(), "Файл не удается создать");
    EXPECT_EQ(rawFile(kFile), k1234);
    EXPECT_EQ(ExpectedPasswordText(), "1234");
    EXPECT_EQ(model.PasswordChangeMode, 1);
}

struct KeyCase {
    int key;
    KeyVerdict verdict;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key " << c.key << " verdict " << static_cast<int>(c.verdict);
}

class PasswordKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PasswordKeys, OnlyDigitsAndEditingKeysPass) {
    FakeMessages messages;
    EXPECT_EQ(PasswordKeyFilter(messages, GetParam().key), GetParam().verdict);
    const bool refused = GetParam().verdict == KeyVerdict::Refuse;
    EXPECT_EQ(messages.beeps, refused ? 1 : 0);
    ASSERT_EQ(messages.shown.size(), refused ? 1u : 0u);
    if (refused) {
        EXPECT_EQ(messages.shown[0].text, "Пароль - цифровой");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PasswordKeys,
    ::testing::Values(
        KeyCase{Qt::Key_0, KeyVerdict::Accept}, KeyCase{Qt::Key_9, KeyVerdict::Accept},
        KeyCase{Qt::Key_Backspace, KeyVerdict::Accept}, KeyCase{Qt::Key_Delete, KeyVerdict::Accept},
        KeyCase{Qt::Key_Shift, KeyVerdict::Accept}, KeyCase{Qt::Key_Control, KeyVerdict::Accept},
        KeyCase{Qt::Key_CapsLock, KeyVerdict::Accept}, KeyCase{Qt::Key_NumLock, KeyVerdict::Accept},
        KeyCase{Qt::Key_Left, KeyVerdict::Accept}, KeyCase{Qt::Key_Right, KeyVerdict::Accept},
        KeyCase{Qt::Key_Return, KeyVerdict::Close}, KeyCase{Qt::Key_Enter, KeyVerdict::Close},
        KeyCase{Qt::Key_A, KeyVerdict::Refuse}, KeyCase{Qt::Key_Space, KeyVerdict::Refuse},
        KeyCase{Qt::Key_Minus, KeyVerdict::Refuse}, KeyCase{Qt::Key_Escape, KeyVerdict::Refuse},
        KeyCase{Qt::Key_Tab, KeyVerdict::Refuse}, KeyCase{Qt::Key_Up, KeyVerdict::Refuse},
        KeyCase{Qt::Key_Home, KeyVerdict::Refuse}, KeyCase{Qt::Key_Alt, KeyVerdict::Refuse}),
    [](const ::testing::TestParamInfo<KeyCase>& info) {
        const KeyCase& c = info.param;
        return "Key" + std::to_string(c.key) + "Verdict" +
               std::to_string(static_cast<int>(c.verdict));
    });

} // namespace
