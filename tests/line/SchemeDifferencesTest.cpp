// The differences of the window: the tool's words, each on the scheme row or
// output line it belongs to, and the names.

#include "line/SchemeDifferences.h"

#include <gtest/gtest.h>

#include <functional>

// Found by the test framework next to the type.
void PrintTo(const DifferenceLine& line, std::ostream* os) {
    *os << line.text << " @" << static_cast<int>(line.place.kind) << ":" << line.place.index;
}

namespace {

using K = SchemePlace::Kind;

// Code 12-04: main inputs 1..12 on rows 0..11, additional inputs 13..16 on
// rows 24..27; channel records at 0..63, block records from 64.
SchemeSnapshot Base(int first = 12, int second = 4) {
    SchemeSnapshot s;
    s.first = first;
    s.second = second;
    s.names.channels.assign(16, QString(10, ' '));
    s.names.outputs.fill(QString(10, ' '));
    return s;
}

struct PlacesCase {
    const char* name;
    std::function<void(SchemeSnapshot&)> change;
    bool withNames;
    std::vector<DifferenceLine> lines;
};
void PrintTo(const PlacesCase& c, std::ostream* os) {
    *os << c.name;
}

class DifferencePlaces : public ::testing::TestWithParam<PlacesCase> {};

TEST_P(DifferencePlaces, EachLineOnItsRow) {
    SchemeSnapshot screen = Base();
    GetParam().change(screen);
    EXPECT_EQ(DiffSchemes(Base(), screen, GetParam().withNames), GetParam().lines);
}

const PlacesCase kCases[] = {
    {"MainInput",
     [](auto& s) { s.image[11 * 4] = 0x20; },
     false,
     {{"вход 12: контакт НЗ → НР", {K::Row, 11}}}},
    {"AdditionalInputBelowTheGap",
     [](auto& s) { s.image[12 * 4 + 3] = 5; },
     false,
     {{"вход 13: задержка 0 с → 5 с", {K::Row, 24}}}},
    // A block added: every field, all on its row.
    {"Block",
     [](auto& s) { s.image[64 + 18] = 1; },
     false,
     {{"ФБ 3: тип нет → И", {K::Row, 34}},
      {"ФБ 3: вход 1 — → не подключен", {K::Row, 34}},
      {"ФБ 3: вход 2 — → не подключен", {K::Row, 34}},
      {"ФБ 3: вход 3 — → не подключен", {K::Row, 34}},
      {"ФБ 3: вход 4 — → не подключен", {K::Row, 34}},
      {"ФБ 3: таймер — → задержка включения", {K::Row, 34}},
      {"ФБ 3: сигнализация — → нет", {K::Row, 34}},
      {"ФБ 3: ячейка — → 0", {K::Row, 34}},
      {"ФБ 3: задержка — → 0 с", {K::Row, 34}},
      {"ФБ 3: выходы — → нет", {K::Row, 34}},
      {"ФБ 3: блокировка — → нет", {K::Row, 34}}}},
    {"ByteOfABlockRecord",
     [](auto& s) { s.image[64 + 18] = 0x10; },
     false,
     {{"байт образа 82: 00 → 10", {K::Row, 34}}}},
    {"ByteOfTheGap", [](auto& s) { s.image[200] = 1; }, false, {{"байт образа 200: 00 → 01", {}}}},
    {"DeviceNumber", [](auto& s) { s.image[249] = 2; }, false, {{"номер устройства 1 → 3", {}}}},
    {"Names",
     [](auto& s) {
         s.names.channels[12] = "Насос     ";
         s.names.outputs[9] = "Сирена";
         s.image[12 * 4 + 3] = 5;
     },
     true,
     {{"вход 13: задержка 0 с → 5 с", {K::Row, 24}},
      {"вход 13: имя «» → «Насос»", {K::Row, 24}},
      {"выход МР №2.2: имя «» → «Сирена»", {K::OutputLine, 9}}}},
    {"NamesNotAskedFor", [](auto& s) { s.names.outputs[0] = "Сирена"; }, false, {}},
    {"TrailingSpacesAreNoName", [](auto& s) { s.names.channels[0] = ""; }, true, {}},
    {"AnotherCodeIsTheCodeAlone",
     [](auto& s) {
         s.second = 8;
         s.names.channels[0] = "Насос";
         s.image[0] = 0x20;
     },
     true,
     {{"код исполнения 12-04 → 12-08", {}}}},
};

INSTANTIATE_TEST_SUITE_P(Table, DifferencePlaces, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Six main inputs: the additional ones start at row 24 too.
TEST(DifferencePlaces, SixInputsLeaveTheLargerGap) {
    SchemeSnapshot screen = Base(6, 4);
    screen.image[6 * 4] = 0x20;
    EXPECT_EQ(DiffSchemes(Base(6, 4), screen, false),
              (std::vector<DifferenceLine>{{"вход 7: контакт НЗ → НР", {K::Row, 24}}}));
}

} // namespace
