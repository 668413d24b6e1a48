// The matrix and the protocol in words, on one small 24-08 scheme written
// byte by byte, and the protocol on paper.

#include "print/AcceptanceProtocol.h"
#include "print/CauseEffectTable.h"
#include "print/ProtocolPdf.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kBlocks = 128; // 24-08: 32 channel records before the blocks

void Include(SchemeFileData& d, int input) {
    d.image[245 + (input - 1) / 8] |= static_cast<std::uint8_t>(1 << ((input - 1) % 8));
}

// Input 2 «Насос 1»: НР, alarm in cell 2, МР №1.1 after 10 s with interlock;
// input 5 «Насос 2»: НР, МР №2.3; input 7: НЗ, nothing of its own;
// ФБ 1: ИЛИ-НЕ of inverted input 7, a 5 s pulse on МР №1.2;
// ФБ 3: И of inputs 2, 5 and ФБ 1, warning in cell 7 and МР №1.4.
SchemeFileData Scheme() {
    SchemeFileData d;
    d.execFirst = 24;
    d.execSecond = 8;
    d.deviceByte = 4;
    d.channelNames.assign(32, QString(10, ' '));
    d.channelNames[1] = "Насос 1";
    d.channelNames[4] = "Насос 2";
    d.outputNames[0] = "Сирена";
    for (const int input : {2, 5, 7})
        Include(d, input);
    const std::uint8_t in2[] = {0xA2, 0x01, 0x00, 0xC1}, in5[] = {0x20, 0x00, 0x04, 0x00};
    std::copy(std::begin(in2), std::end(in2), d.image.begin() + 4);
    std::copy(std::begin(in5), std::end(in5), d.image.begin() + 16);
    const std::uint8_t fb1[] = {4, 0x07, 0, 0, 0, 0x20, 0x02, 0x00, 0x05};
    const std::uint8_t fb3[] = {1, 0x82, 0x85, 0xC1, 0, 0x47, 0x08, 0x00, 0x00};
    std::copy(std::begin(fb1), std::end(fb1), d.image.begin() + kBlocks);
    std::copy(std::begin(fb3), std::end(fb3), d.image.begin() + kBlocks + 18);
    return d;
}

TEST(CauseEffectTexts, MatrixReadBothWays) {
    EXPECT_EQ(MatrixListing(BuildCauseEffectMatrix(Scheme())),
              "Причины:\n"
              "Вход 2 «Насос 1» (НР)\n"
              "  МР №1.1 «Сирена»: 10 с, бл\n"
              "  МР №1.4: через ФБ 3\n"
              "  яч. 2: авар.\n"
              "  яч. 7: через ФБ 3\n"
              "Вход 5 «Насос 2» (НР)\n"
              "  МР №1.4: через ФБ 3\n"
              "  МР №2.3: ●\n"
              "  яч. 7: через ФБ 3\n"
              "Вход 7 (НЗ)\n"
              "  МР №1.2: через ФБ 1\n"
              "  МР №1.4: через ФБ 3\n"
              "  яч. 7: через ФБ 3\n"
              "ФБ 1: ИЛИ-НЕ (не вх. 7)\n"
              "  МР №1.2: 5 с имп.\n"
              "  МР №1.4: через ФБ 3\n"
              "  яч. 7: через ФБ 3\n"
              "ФБ 3: И (вх. 2, вх. 5, ФБ 1)\n"
              "  МР №1.4: ●\n"
              "  яч. 7: пред.\n"
              "Действия:\n"
              "МР №1.1 «Сирена»\n"
              "  Вход 2 «Насос 1» (НР): 10 с, бл\n"
              "МР №1.2\n"
              "  Вход 7 (НЗ): через ФБ 1\n"
              "  ФБ 1: ИЛИ-НЕ (не вх. 7): 5 с имп.\n"
              "МР №1.3\n"
              "МР №1.4\n"
              "  Вход 2 «Насос 1» (НР): через ФБ 3\n"
              "  Вход 5 «Насос 2» (НР): через ФБ 3\n"
              "  Вход 7 (НЗ): через ФБ 3\n"
              "  ФБ 1: ИЛИ-НЕ (не вх. 7): через ФБ 3\n"
              "  ФБ 3: И (вх. 2, вх. 5, ФБ 1): ●\n"
              "МР №2.1\n"
              "МР №2.2\n"
              "МР №2.3\n"
              "  Вход 5 «Насос 2» (НР): ●\n"
              "МР №2.4\n"
              "яч. 2\n"
              "  Вход 2 «Насос 1» (НР): авар.\n"
              "яч. 7\n"
              "  Вход 2 «Насос 1» (НР): через ФБ 3\n"
              "  Вход 5 «Насос 2» (НР): через ФБ 3\n"
              "  Вход 7 (НЗ): через ФБ 3\n"
              "  ФБ 1: ИЛИ-НЕ (не вх. 7): через ФБ 3\n"
              "  ФБ 3: И (вх. 2, вх. 5, ФБ 1): пред.\n");
}

TEST(CauseEffectTexts, ProtocolStepsAndHeading) {
    const AcceptanceProtocol p = BuildProtocol(Scheme(), "07.12.2026", "a.vil");
    EXPECT_EQ(p.deviceNumber, 5);
    EXPECT_EQ(p.code, "24-08");
    std::vector<std::string> lines;
    for (const ProtocolStep& step : p.steps) {
        lines.push_back(std::to_string(step.number) + ". " + step.action);
        for (const std::string& expected : step.expected)
            lines.push_back("   " + expected);
    }
    const std::vector<std::string> expected{
        "1. Вход 2 «Насос 1» (НР): вызвать срабатывание",
        "   сигнализация авар., ячейка 2",
        "   МР №1.1 «Сирена»: задержка 10 с, блокировка",
        "   входит в ФБ 3",
        "2. Вход 5 «Насос 2» (НР): вызвать срабатывание",
        "   МР №2.3: без задержки",
        "   входит в ФБ 3",
        "3. Вход 7 (НЗ): вызвать срабатывание",
        "   прямых действий нет",
        "   входит в ФБ 1",
        "4. ФБ 1: ИЛИ-НЕ (не вх. 7): вызвать сочетание не (не вх. 7)",
        "   МР №1.2: импульс 5 с",
        "   входит в ФБ 3",
        "5. ФБ 3: И (вх. 2, вх. 5, ФБ 1): вызвать сочетание вх. 2 и вх. 5 и ФБ 1",
        "   сигнализация пред., ячейка 7",
        "   МР №1.4: без задержки",
    };
    EXPECT_EQ(lines, expected);
}

struct CombinationCase {
    std::uint8_t type;
    const char* action;
};

TEST(CauseEffectTexts, CombinationOfEachBlockType) {
    const CombinationCase cases[] = {
        {1, "ФБ 3: И (вх. 2, не вх. 5, вх. 7): вызвать сочетание вх. 2 и не вх. 5 и вх. 7"},
        {2, "ФБ 3: И-НЕ (вх. 2, не вх. 5, вх. 7): вызвать сочетание не (вх. 2 и не вх. 5 и "
            "вх. 7)"},
        {3, "ФБ 3: ИЛИ (вх. 2, не вх. 5, вх. 7): вызвать сочетание вх. 2 или не вх. 5 или вх. 7"},
        {4, "ФБ 3: ИЛИ-НЕ (вх. 2, не вх. 5, вх. 7): вызвать сочетание не (вх. 2 или не вх. 5 "
            "или вх. 7)"},
        // A hysteresis takes inputs 1 and 2 only.
        {5, "ФБ 3: ГСТ (вх. 2, не вх. 5): вызвать сочетание вх. 2, не вх. 5 (гистерезис)"},
    };
    for (const CombinationCase& c : cases) {
        SchemeFileData d = Scheme();
        std::fill(d.image.begin() + kBlocks, d.image.begin() + kBlocks + 117, 0);
        const std::uint8_t block[] = {c.type, 0x82, 0x05, 0x87, 0};
        std::copy(std::begin(block), std::end(block), d.image.begin() + kBlocks + 18);
        EXPECT_EQ(BuildProtocol(d, "", "").steps.back().action, c.action);
    }
}

TEST(CauseEffectTexts, CsvIsUtf8WithQuotedFields) {
    SchemeFileData d = Scheme();
    d.channelNames[1] = "Насос;1";
    const QByteArray csv = CsvText(MatrixGrid(BuildCauseEffectMatrix(d)));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFПричина;МР №1.1 «Сирена»;МР №1.2;"));
    EXPECT_TRUE(csv.contains("\r\n\"Вход 2 «Насос;1» (НР)\";10 с, бл;;;через ФБ 3;"));
}

// A step per included input, each with signalling, two outputs, a delay and
// interlock, under names of ten letters.
SchemeFileData BusyScheme(int inputs) {
    SchemeFileData d;
    d.execFirst = 24;
    d.execSecond = 8;
    d.channelNames.assign(32, "Задвижка10");
    for (int i = 0; i < inputs; ++i) {
        Include(d, i + 1);
        const std::uint8_t r[] = {static_cast<std::uint8_t>(0xA0 | (i % 24 + 1)), 0x05, 0x0C, 0xC6};
        std::copy(std::begin(r), std::end(r), d.image.begin() + 4 * i);
    }
    for (int j = 0; j < 16; ++j)
        d.outputNames[static_cast<std::size_t>(j)] = "Выход " + QString::number(j + 1);
    return d;
}

int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(ProtocolPdf, TwentyStepsOnOneA4Page) {
    const QByteArray twenty = ProtocolPdf({BuildProtocol(BusyScheme(20), "07.12.2026", "a.vil")});
    EXPECT_TRUE(twenty.startsWith("%PDF"));
    EXPECT_EQ(PdfPages(twenty), 1);
    // Two devices, each on pages of its own.
    const AcceptanceProtocol one = BuildProtocol(BusyScheme(3), "07.12.2026", "a.vil");
    EXPECT_EQ(PdfPages(ProtocolPdf({one, one})), 2);
}

// The line window's protocols: the devices heard whose backups are readable.
TEST(ProtocolPdf, BackupsOfTheDevicesHeard) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QString(VIL3K_SOURCE_ROOT) + "/examples/06-06.vil",
                            dir.filePath("device-05.vil")));
    QFile broken(dir.filePath("device-07.vil"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a scheme");
    broken.close();
    const WallTime now{2026, 12, 7, 1, 23, 5};
    EXPECT_EQ(ProtocolDate(now), "07.12.2026");
    EXPECT_EQ(PdfPages(BackupProtocolsPdf(dir.path(), {5, 7, 9}, now)), 1);
    EXPECT_TRUE(BackupProtocolsPdf(dir.path(), {7, 9}, now).isEmpty());
}

} // namespace
