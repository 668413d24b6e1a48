#include "FileCommandsFixture.h"
#include "support/SampleSchemes.h"

#include <QDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Values the editor never writes are loaded unchanged and named in one warning
// after the open; files the program wrote itself get no warning.
namespace {

constexpr const char* kHeading = "Конфигурация содержит значения, которых редактор не задаёт. "
                                 "Проверьте их перед записью в прибор:";

// A 12-04 file (12 main inputs, 4 additional, 4 outputs on МР №1, none on МР №2):
// input 1 warns on cell 1, block 1 is an AND of inputs 1 and 2, all 16 inputs included.
QByteArray baseFile() {
    QByteArray bytes(4 + 250 + 10 * (16 + 16), ' ');
    bytes.replace(0, 254, QByteArray(254, '\0'));
    bytes[1] = 12;
    bytes[2] = 4;
    const int image = 4, block1 = image + 4 * 16;
    bytes[image] = 0x41;
    bytes[block1] = 1;
    bytes[block1 + 1] = static_cast<char>(0x81);
    bytes[block1 + 2] = static_cast<char>(0x82);
    bytes[image + 245] = static_cast<char>(0xFF);
    bytes[image + 246] = static_cast<char>(0xFF);
    return bytes;
}

// Offsets within the file: channel record byte, block record byte, inclusion byte.
int channel(int index, int byte) {
    return 4 + 4 * index + byte;
}
int block(int number, int byte) {
    return 4 + 4 * 16 + 9 * (number - 1) + byte;
}
int inclusion(int byte) {
    return 4 + 245 + byte;
}

struct Case {
    const char* name;
    std::vector<std::pair<int, int>> pokes; // file offset, byte value
    const char* finding;
};

const Case kCases[] = {
    {"Delay63Seconds", {{channel(4, 3), 63}}, "вход 5: задержка 63 с — больше 60"},
    {"DelayInTens", {{channel(0, 3), 0x40 | 61}}, "вход 1: задержка 61 × 10 с — больше 60"},
    {"BlockDelay", {{block(1, 8), 62}}, "ФБ 1: задержка 62 с — больше 60"},
    {"CellPastPanel", {{channel(13, 0), 0x80 | 13}}, "вход 14: ячейка табло 13 — больше 12"},
    {"InclusionPastChannels",
     {{inclusion(2), 0x01}},
     "включение в обработку входа 17 — входов только 16"},
    {"InclusionsPastChannels",
     {{inclusion(3), 0x81}},
     "включение в обработку входов 25, 32 — входов только 16"},
    {"OutputsPastModule1",
     {{channel(2, 1), 0x31}},
     "вход 3: выходы 5, 6 МР №1 — выходов у МР №1: 4"},
    {"OutputOfMissingModule2", {{block(1, 7), 0x80}}, "ФБ 1: выход 8 МР №2 — выходов у МР №2: 0"},
    {"BlockInputPastChannels",
     {{block(1, 2), 0x80 | 17}},
     "ФБ 1, вход 2: вход УСО 17 — входов только 16"},
    {"BlockInputFreeBlock",
     {{block(1, 3), 0x40 | 4}},
     "ФБ 1, вход 3: выход ФБ 4 — ФБ 4 не запрограммирован"},
    {"BlockInputPastBlocks",
     {{block(1, 4), 0xC0 | 20}},
     "ФБ 1, вход 4: выход ФБ 20 — ФБ только 13"},
    {"HysteresisFourthInput",
     {{block(2, 0), 5}, {block(2, 1), 0x81}, {block(2, 4), 0xC1}},
     "ФБ 2, вход 4: выход ФБ 1 — у гистерезиса только 2 входа"},
    {"CellWithoutSignalling",
     {{channel(3, 0), 0x27}},
     "вход 4: ячейка табло 7 — у строки нет сигнализации"},
    {"InterlockWithoutOutputs",
     {{block(3, 0), 1}, {block(3, 8), 0x85}},
     "ФБ 3: блокировка — у строки нет выходов"},
    {"InterlockOnMissingOutputs",
     {{channel(2, 2), 0x01}, {channel(2, 3), 0x85}},
     "вход 3: выход 1 МР №2 — выходов у МР №2: 0\nвход 3: блокировка — у строки нет выходов"},
    {"CellOnTwoRows",
     {{channel(6, 0), 0xC1}, {block(1, 5), 0x81}},
     "ячейка табло 1 — у нескольких строк: вход 1, вход 7, ФБ 1"},
};

class OutOfRangeFile : public testing::TestWithParam<Case> {};

TEST_P(OutOfRangeFile, LoadedUnchangedAndNamedInOneWarning) {
    FileCommandsFixture f;
    QByteArray bytes = baseFile();
    for (auto [offset, value] : GetParam().pokes)
        bytes[offset] = static_cast<char>(value);
    writeRawFile(f.dir.file("odd.vil"), bytes);
    f.open(f.path("odd.vil"));

    ASSERT_EQ(f.messages.shown.size(), 1u);
    const MessageBox& box = f.messages.shown[0];
    EXPECT_EQ(box.text, std::string(kHeading) + "\n" + GetParam().finding);
    EXPECT_EQ(box.caption, "Предупреждение");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    // Nothing was changed on the way in: saving gives the same bytes back.
    f.save(f.path("again.vil"));
    EXPECT_EQ(rawFile(f.dir.file("again.vil")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutOfRangeFile, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutOfRangeFile, EveryFindingInRowOrderInOneBox) {
    FileCommandsFixture f;
    QByteArray bytes = baseFile();
    for (const Case& c : kCases)
        for (auto [offset, value] : c.pokes)
            bytes[offset] = static_cast<char>(value);
    writeRawFile(f.dir.file("odd.vil"), bytes);
    f.open(f.path("odd.vil"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    const std::string& text = f.messages.shown[0].text;
    std::size_t last = 0;
    for (const char* line :
         {"вход 1: задержка", "вход 5:", "вход 14:", "входов 17, 25, 32",
          "ФБ 1, вход 2:", "ФБ 1: задержка", "ФБ 2, вход 4:", "ячейка табло 1 —"}) {
        const std::size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_GT(at, last) << line;
        last = at;
    }
}

// Empty schemes of every code and the sample schemes, saved and opened again.
TEST(OutOfRangeFile, NoWarningForSchemesTheProgramMade) {
    const std::pair<int, int> codes[] = {{6, 4},   {6, 6},   {12, 0},  {12, 4}, {12, 6},
                                         {12, 8},  {12, 22}, {24, 0},  {24, 4}, {24, 8},
                                         {24, 12}, {24, 16}, {24, 43}, {24, 62}};
    for (auto [first, second] : codes) {
        for (int blocks : {0, 1, 5, 13}) {
            FileCommandsFixture f;
            f.model.ExecFirst = first;
            f.model.ExecSecond = second;
            f.creation.CreateScheme();
            if (blocks > 0)
                BuildSampleScheme(f.session, first, second, blocks);
            f.window.showExecCode(first, second);
            f.model.Modified = 1;
            f.save(f.path("made.vil"));
            f.open(f.path("made.vil"));
            EXPECT_TRUE(f.messages.shown.empty()) << first << "-" << second << " blocks " << blocks
                                                  << ": " << f.messages.shown.front().text;
        }
    }
}

} // namespace
