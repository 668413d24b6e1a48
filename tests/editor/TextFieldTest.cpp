#include "editor/TextField.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* digits) {
    return QByteArray::fromHex(digits);
}

struct FieldCase {
    const char* name;
    QString text;
    QByteArray field;
};
void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class TextFieldEncoding : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TextFieldEncoding, WritesTenBytes) {
    EXPECT_EQ(EncodeTextField(GetParam().text).toHex(' '), GetParam().field.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextFieldEncoding,
    ::testing::Values(
        FieldCase{"ThreeLetters", "ABC", hex("41424300202020202020")},
        FieldCase{"EmptyIsTenSpaces", "", hex("20202020202020202020")},
        FieldCase{"NineCharactersThenNul", "123456789", hex("31323334353637383900")},
        FieldCase{"TenCyrillicNoNul", "Вход №1234", hex("c2f5eee420b931323334")},
        FieldCase{"TrailingBlanksKept", "AB  ", hex("41422020002020202020")},
        FieldCase{"LongerIsCut", "ABCDEFGHIJKL", hex("4142434445464748494a")},
        FieldCase{"MissingCharacterAsQuestionMark", "AΩB", hex("413f4200202020202020")},
        FieldCase{"CutAfterTenEvenWhenMissing", "ΩΩΩΩΩΩΩΩΩΩΩ", hex("3f3f3f3f3f3f3f3f3f3f")}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QByteArray field;
    QString text;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class TextFieldDecoding : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextFieldDecoding, StopsAtTheFirstNul) {
    EXPECT_EQ(DecodeTextField(GetParam().field.constData()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TextFieldDecoding,
    ::testing::Values(ReadCase{"ThreeLetters", hex("41424300202020202020"), "ABC"},
                      ReadCase{"TenSpaces", hex("20202020202020202020"), "          "},
                      ReadCase{"TenCyrillic", hex("c2f5eee420b931323334"), "Вход №1234"},
                      ReadCase{"TrailingBlanksStay", hex("41422020002020202020"), "AB  "},
                      ReadCase{"AfterNulIgnored", hex("41004243444546474849"), "A"},
                      ReadCase{"LeadingNul", hex("00414243444546474849"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Every byte of the code page survives a trip through a name and back.
TEST(TextField, EveryPrintableByteRoundTrips) {
    for (int b = 0x20; b <= 0xFF; ++b) {
        const QByteArray field(10, static_cast<char>(b));
        const QString name = DecodeTextField(field.constData());
        EXPECT_EQ(EncodeTextField(name), field) << "byte " << b;
    }
}

struct NameCase {
    const char* name;
    QString text;
    bool valid;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class NameCheck : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameCheck, AcceptsWhatAFieldHoldsWhole) {
    EXPECT_EQ(IsValidName(GetParam().text), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameCheck,
    ::testing::Values(NameCase{"Empty", "", true}, NameCase{"Latin", "Pump 2", true},
                      NameCase{"TenCyrillic", "Давление12", true},
                      NameCase{"Eleven", "Давление123", false},
                      NameCase{"NumeroAndEuro", "№5 €", true}, NameCase{"Omega", "Ω", false},
                      NameCase{"Chinese", "泵", false}, NameCase{"Emoji", "😀", false},
                      NameCase{"Tab", "a\tb", false}, NameCase{"Nul", QString(QChar(0)), false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
