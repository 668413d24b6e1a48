// The differences in words: one table over every family of fields.

#include "line/ConfigDiff.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Code 24-08: 32 channel records at 0..127, block records from 128.
constexpr int kBlocks = 128;

SchemeFileData Base() {
    SchemeFileData data;
    data.execFirst = 24;
    data.execSecond = 8;
    data.deviceByte = 0x00;
    data.image[kBlocks + 9] = 3;        // block 2: OR
    data.image[kBlocks + 9 + 1] = 0x85; // input 1: device input 5, direct
    data.image[4 * 4 + 3] = 1;          // input 5: delay 1 s
    return data;
}

struct DiffCase {
    const char* name;
    std::function<void(SchemeFileData&)> change;
    std::vector<std::string> lines;
};
void PrintTo(const DiffCase& c, std::ostream* os) {
    *os << c.name;
}

class DiffTable : public ::testing::TestWithParam<DiffCase> {};

TEST_P(DiffTable, NamesTheChangedFieldInWords) {
    SchemeFileData changed = Base();
    GetParam().change(changed);
    EXPECT_EQ(DiffConfigurations(Base(), changed), GetParam().lines);
}

const DiffCase kCases[] = {
    {"Code", [](auto& d) { d.execSecond = 4; }, {"код исполнения 24-08 → 24-04"}},
    {"DeviceNumber", [](auto& d) { d.deviceByte = 4; }, {"номер устройства 1 → 5"}},
    {"ExternalAck", [](auto& d) { d.deviceByte = 0x20; }, {"внешнее квитирование нет → да"}},
    {"Included", [](auto& d) { d.image[245] = 0x10; }, {"вход 5: обработка выкл → вкл"}},
    {"LastIncluded", [](auto& d) { d.image[248] = 0x80; }, {"вход 32: обработка выкл → вкл"}},
    {"Contact", [](auto& d) { d.image[16] = 0x20; }, {"вход 5: контакт НЗ → НР"}},
    {"SignallingAndCell",
     [](auto& d) { d.image[16] = 0x83; },
     {"вход 5: сигнализация нет → авар.", "вход 5: ячейка 0 → 3"}},
    {"Delay", [](auto& d) { d.image[19] = 0x40 | 2; }, {"вход 5: задержка 1 с → 20 с"}},
    {"DelaySameSecondsOtherUnit",
     [](auto& d) { d.image[23] = 0x40; }, // input 6: no delay, counted in 10 s
     {"вход 6: задержка 0 × 1 с → 0 × 10 с"}},
    {"Outputs",
     [](auto& d) { d.image[17] = 0x05, d.image[18] = 0x80; },
     {"вход 5: выходы нет → МР №1.1, МР №1.3, МР №2.8"}},
    {"Interlock", [](auto& d) { d.image[19] |= 0x80; }, {"вход 5: блокировка нет → да"}},
    {"BlockInput",
     [](auto& d) { d.image[kBlocks + 9 + 1] = 0x41; },
     {"ФБ 2: вход 1 вход УСО 5, прямой → выход ФБ 1, инверсный"}},
    {"BlockInputDisconnected",
     [](auto& d) { d.image[kBlocks + 9 + 1] = 0x80; },
     {"ФБ 2: вход 1 вход УСО 5, прямой → не подключен"}},
    {"BlockTimer",
     [](auto& d) { d.image[kBlocks + 9 + 5] = 0x20; },
     {"ФБ 2: таймер задержка включения → импульс"}},
    {"BlockRow",
     [](auto& d) { d.image[kBlocks + 9 + 6] = 0x02, d.image[kBlocks + 9 + 8] = 0x80 | 0x40 | 3; },
     {"ФБ 2: задержка 0 с → 30 с", "ФБ 2: выходы нет → МР №1.2", "ФБ 2: блокировка нет → да"}},
    {"ZeroGapByte", [](auto& d) { d.image[244] = 0x12; }, {"байт образа 244: 00 → 12"}},
    {"TypeHighBits", [](auto& d) { d.image[kBlocks + 9] = 0x13; }, {"байт образа 137: 03 → 13"}},
    {"Equal", [](auto&) {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Families, DiffTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Block 2 of Base(), field by field after its type, as a removal shows it.
const std::vector<std::string> kBlock2Removed{
    "ФБ 2: тип ИЛИ → нет",           "ФБ 2: вход 1 вход УСО 5, прямой → —",
    "ФБ 2: вход 2 не подключен → —", "ФБ 2: вход 3 не подключен → —",
    "ФБ 2: вход 4 не подключен → —", "ФБ 2: таймер задержка включения → —",
    "ФБ 2: сигнализация нет → —",    "ФБ 2: ячейка 0 → —",
    "ФБ 2: задержка 0 с → —",        "ФБ 2: выходы нет → —",
    "ФБ 2: блокировка нет → —",
};

// A block on one side only is told whole, every field, in both directions (a
// block of another type: the tool's verify test).
TEST(ConfigDiff, ABlockAddedOrRemovedListsEveryField) {
    SchemeFileData removed = Base();
    removed.image[kBlocks + 9] = 0;
    removed.image[kBlocks + 9 + 1] = 0;
    EXPECT_EQ(DiffConfigurations(Base(), removed), kBlock2Removed);

    // The other way round each value changes sides.
    const std::vector<std::string> added = DiffConfigurations(removed, Base());
    ASSERT_EQ(added.size(), kBlock2Removed.size());
    EXPECT_EQ(added[0], "ФБ 2: тип нет → ИЛИ");
    EXPECT_EQ(added[1], "ФБ 2: вход 1 — → вход УСО 5, прямой");
}

TEST(ConfigDiff, ListsEveryChangedFieldInOrderOfTheScheme) {
    SchemeFileData changed = Base();
    changed.deviceByte = 0x21;
    changed.image[0] = 0x41;
    changed.image[kBlocks + 9] = 0;
    changed.image[kBlocks + 9 + 1] = 0;
    std::vector<std::string> expected{"номер устройства 1 → 2", "внешнее квитирование нет → да",
                                      "вход 1: сигнализация нет → пред.", "вход 1: ячейка 0 → 1"};
    expected.insert(expected.end(), kBlock2Removed.begin(), kBlock2Removed.end());
    EXPECT_EQ(DiffConfigurations(Base(), changed), expected);
}

} // namespace
