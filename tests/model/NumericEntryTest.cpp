#include "ModelFakes.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

namespace {

const std::string kEntryError = " Ошибка ввода ";

class NumericEntryTest : public testing::Test {
protected:
    // One complete error display: red, beep, the box, white and "00".
    void expectOneErrorDisplay(const FakeEntryField& field) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, kEntryError);
        EXPECT_EQ(messages.shown[0].caption, std::string("Программатор ВИЛ-3K"));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.beeps, 1);
        EXPECT_EQ(field.colours, (std::vector<bool>{true, false}));
        EXPECT_EQ(field.value, "00");
    }
    void expectNoErrorDisplay(const FakeEntryField& field, const std::string& text) {
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(messages.beeps, 0);
        EXPECT_TRUE(field.colours.empty());
        EXPECT_EQ(field.value, text);
    }

    FakeMessages messages;
    ConfigurationModel model{messages};
};

// Records the order of colour changes against the beep and the box.
class OrderingMessages : public Messages {
public:
    explicit OrderingMessages(std::vector<std::string>& log) : log_(log) {}
    Answer show(const MessageBox&) override {
        log_.push_back("box");
        return Answer::Ok;
    }
    void beep() override { log_.push_back("beep"); }

private:
    std::vector<std::string>& log_;
};

class OrderingField : public FakeEntryField {
public:
    explicit OrderingField(std::vector<std::string>& log) : log_(log) {}
    void setErrorColour(bool error) override { log_.push_back(error ? "red" : "white"); }
    void setText(const std::string& text) override { log_.push_back("text " + text); }

private:
    std::vector<std::string>& log_;
};

TEST_F(NumericEntryTest, ErrorDisplayRunsInItsOrder) {
    std::vector<std::string> log;
    OrderingMessages ordering(log);
    ConfigurationModel orderingModel(ordering);
    OrderingField field(log);
    orderingModel.ShowEntryError(field);
    EXPECT_EQ(log, (std::vector<std::string>{"red", "beep", "box", "white", "text 00"}));
}

struct EntryCase {
    int execFirst;
    int kind;
    const char* text;
    int expected; // 0 valid, 1 invalid with the error display
};

TEST_F(NumericEntryTest, CheckEntryJudgesEveryKind) {
    const EntryCase cases[] = {
        {0, kEntryFirstPart, "6", 0},
        {0, kEntryFirstPart, "06", 0},
        {0, kEntryFirstPart, "12", 0},
        {0, kEntryFirstPart, "24", 0},
        {0, kEntryFirstPart, "7", 1},
        {0, kEntryFirstPart, "0", 1},
        {0, kEntryFirstPart, "", 1},
        {0, kEntryFirstPart, "6a", 1},
        {0, kEntryFirstPart, " 6", 0}, // pasted with a blank, as every field reads it
        {0, kEntryFirstPart, "99999999999", 1},
        {6, kEntrySecondPart, "4", 0},
        {6, kEntrySecondPart, "06", 0},
        {6, kEntrySecondPart, "0", 1},
        {12, kEntrySecondPart, "0", 0},
        {12, kEntrySecondPart, "22", 0},
        {12, kEntrySecondPart, "12", 1},
        {24, kEntrySecondPart, "6", 1},
        {24, kEntrySecondPart, "43", 0},
        {24, kEntrySecondPart, "62", 0},
        {24, kEntrySecondPart, "5", 1},
        {24, kEntrySecondPart, "x", 1},
        {0, kEntryDelayValue, "0", 0},
        {0, kEntryDelayValue, "60", 0},
        {0, kEntryDelayValue, "61", 1},
        {0, kEntryDelayValue, "-1", 1},
        {0, kEntryDelayUnit, "1", 0},
        {0, kEntryDelayUnit, "10", 0},
        {0, kEntryDelayUnit, "5", 1},
        {0, 3, "abc", 0},
        {0, 8, "77", 0},
        {0, 3, "", 1},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " text '" << c.text << "'");
        messages = FakeMessages{};
        model.ExecFirst = c.execFirst;
        FakeEntryField field(c.text);
        EXPECT_EQ(model.CheckEntry(field, c.kind), c.expected);
        if (c.expected == 0)
            expectNoErrorDisplay(field, c.text);
        else
            expectOneErrorDisplay(field);
    }
}

TEST_F(NumericEntryTest, SecondPartWithoutFirstIsRefusedSilently) {
    FakeEntryField field("4");
    EXPECT_EQ(model.CheckEntry(field, kEntrySecondPart), 1);
    expectNoErrorDisplay(field, "4");
}

TEST_F(NumericEntryTest, CheckExecCodeStoresBothPartsAndJudgesTheSecondByTheNewFirst) {
    model.ExecFirst = 6;
    FakeEntryField first("24");
    FakeEntryField second("16");
    EXPECT_FALSE(model.CheckExecCode(&first, &second));
    EXPECT_EQ(model.ExecFirst, 24);
    EXPECT_EQ(model.ExecSecond, 16);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NumericEntryTest, CheckExecCodeKeepsTheStoredPartOfAnInvalidField) {
    model.ExecFirst = 12;
    model.ExecSecond = 4;
    FakeEntryField first("6");
    FakeEntryField second("0");
    EXPECT_TRUE(model.CheckExecCode(&first, &second));
    EXPECT_EQ(model.ExecFirst, 6);
    EXPECT_EQ(model.ExecSecond, 4);
    expectOneErrorDisplay(second);
    EXPECT_EQ(first.value, "6");
}

TEST_F(NumericEntryTest, CheckExecCodeTakesEitherFieldAlone) {
    FakeEntryField first("12");
    EXPECT_FALSE(model.CheckExecCode(&first, nullptr));
    EXPECT_EQ(model.ExecFirst, 12);
    FakeEntryField second("8");
    EXPECT_FALSE(model.CheckExecCode(nullptr, &second));
    EXPECT_EQ(model.ExecSecond, 8);
    FakeEntryField bad("5");
    EXPECT_TRUE(model.CheckExecCode(&bad, nullptr));
    EXPECT_EQ(model.ExecFirst, 12);
    EXPECT_FALSE(model.CheckExecCode(nullptr, nullptr));
}

TEST_F(NumericEntryTest, FilterLetsDigitsAndEditingKeysThrough) {
    const int accepted[] = {0x30, 0x35, 0x39, 0x60, 0x69, 8, 16, 17, 20, 37, 39, 46, 144};
    for (int key : accepted) {
        SCOPED_TRACE(key);
        FakeEntryField field("1");
        EXPECT_EQ(model.FilterDigitKey(field, key), kKeyAccepted);
        expectNoErrorDisplay(field, "1");
    }
}

TEST_F(NumericEntryTest, FilterRefusesOtherKeysWithTheErrorDisplay) {
    const int refused[] = {0x41, 0x2F, 0x3A, 0x5F, 0x6A, 38, 40, 9, 32, 27};
    for (int key : refused) {
        SCOPED_TRACE(key);
        messages = FakeMessages{};
        FakeEntryField field("12");
        EXPECT_EQ(model.FilterDigitKey(field, key), kKeyRefused);
        expectOneErrorDisplay(field);
    }
}

TEST_F(NumericEntryTest, EnterMovesOnOnlyFromAFilledField) {
    FakeEntryField filled("5");
    EXPECT_EQ(model.FilterDigitKey(filled, 13), kKeyEnter);
    expectNoErrorDisplay(filled, "5");
    FakeEntryField empty("");
    EXPECT_EQ(model.FilterDigitKey(empty, 13), kKeyRefused);
    expectOneErrorDisplay(empty);
}

} // namespace
