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
    {"BlockType", [](auto& d) { d.image[kBlocks + 9] = 4; }, {"ФБ 2: тип ИЛИ → ИЛИ-НЕ"}},
    {"BlockAdded", [](auto& d) { d.image[kBlocks] = 5; }, {"ФБ 1: тип нет → ГСТ"}},
    {"BlockUnknownType",
     [](auto& d) { d.image[kBlocks + 9] = 7; },
     {"ФБ 2: тип ИЛИ → неизвестный 7"}},
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

TEST(ConfigDiff, ListsEveryChangedFieldInOrderOfTheScheme) {
    SchemeFileData changed = Base();
    changed.deviceByte = 0x21;
    changed.image[0] = 0x41;
    changed.image[kBlocks + 9] = 1;
    const std::vector<std::string> expected{
        "номер устройства 1 → 2", "внешнее квитирование нет → да",
        "вход 1: сигнализация нет → пред.", "вход 1: ячейка 0 → 1", "ФБ 2: тип ИЛИ → И"};
    EXPECT_EQ(DiffConfigurations(Base(), changed), expected);
}

} // namespace
