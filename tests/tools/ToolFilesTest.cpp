// vil3k-tool on files: the listing read back by a script and compared with the
// model the programmer loads, the comparison of files and images, and every
// way of calling it wrongly.

#include "files/SchemeFile.h"
#include "support/ScratchDirectory.h"
#include "support/SessionFixture.h"
#include "tests/tools/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

std::vector<int> Outputs(std::uint8_t mask) {
    std::vector<int> numbers;
    for (int i = 0; i < 8; ++i)
        if (mask & (1 << i))
            numbers.push_back(i + 1);
    return numbers;
}

std::vector<int> Numbers(const QJsonValue& list) {
    std::vector<int> numbers;
    for (const QJsonValue& v : list.toArray())
        numbers.push_back(v.toInt());
    return numbers;
}

// Bytes 5..8 of a block or a whole channel record against the listing's row fields.
void ExpectRow(const QJsonObject& o, const std::uint8_t* r, std::uint8_t signalByte) {
    EXPECT_EQ(o["signalling"].toInt(), signalByte >> 6);
    EXPECT_EQ(o["cell"].toInt(), signalByte & 0x1F);
    EXPECT_EQ(Numbers(o["mr1"]), Outputs(r[1]));
    EXPECT_EQ(Numbers(o["mr2"]), Outputs(r[2]));
    EXPECT_EQ(o["interlock"].toBool(), (r[3] & 0x80) != 0);
    EXPECT_EQ(o["delaySeconds"].toInt(), (r[3] & 0x3F) * ((r[3] & 0x40) ? 10 : 1));
}

class DumpJson : public ::testing::TestWithParam<const char*> {};

TEST_P(DumpJson, GivesEveryFieldOfTheModelTheProgrammerLoads) {
    const QString path = Example(GetParam());
    const ToolResult dump = ToolRunner().run({"dump", path, "--json"});
    ASSERT_EQ(dump.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(dump.out.toUtf8()).object();

    QString error;
    const auto file = ReadSchemeFile(path, error);
    ASSERT_TRUE(file);
    SessionFixture<> s;
    SchemeNames names{file->channelNames, file->outputNames};
    s.session.LoadScheme(file->execFirst, file->execSecond, file->image, file->deviceByte, "",
                         &names);
    const ConfigurationModel& m = s.model;
    EXPECT_EQ(root["first"].toInt(), m.ExecFirst);
    EXPECT_EQ(root["second"].toInt(), m.ExecSecond);
    EXPECT_EQ(root["deviceNumber"].toInt(), m.DeviceNumberIndex + 1);
    EXPECT_EQ(root["externalAck"].toBool(), s.view.header.extAckDown);
    const QJsonArray inputs = root["inputs"].toArray();
    ASSERT_EQ(inputs.size(), m.ChannelCount);
    for (int i = 0; i < m.ChannelCount; ++i) {
        SCOPED_TRACE(i);
        const int slot = m.SlotOfImageIndex(i);
        const auto& r = m.Channels[static_cast<std::size_t>(slot)];
        const QJsonObject in = inputs[i].toObject();
        EXPECT_EQ(in["number"].toInt(), i + 1);
        EXPECT_EQ(in["name"].toString(), s.view.at(Family::InputName, slot).caption);
        EXPECT_EQ(in["included"].toBool(), m.Included[static_cast<std::size_t>(i)] == 1);
        EXPECT_EQ(in["normallyOpen"].toBool(), (r[0] & 0x20) != 0);
        ExpectRow(in, r.data(), r[0]);
    }
    const QJsonArray blocks = root["blocks"].toArray();
    ASSERT_EQ(blocks.size(), kFunctionBlocks);
    for (int j = 0; j < kFunctionBlocks; ++j) {
        SCOPED_TRACE(j);
        const auto& b = m.FunctionBlocks[static_cast<std::size_t>(j)];
        const QJsonObject block = blocks[j].toObject();
        EXPECT_EQ(block["type"].toInt(), b[0]);
        for (int k = 0; k < 4; ++k) {
            const QJsonObject in = block["inputs"].toArray()[k].toObject();
            EXPECT_EQ(in["number"].toInt(), b[1 + k] & 0x3F);
            EXPECT_EQ(in["direct"].toBool(), (b[1 + k] & 0x80) != 0);
            EXPECT_EQ(in["source"].toString(), (b[1 + k] & 0x40) ? "block" : "input");
        }
        EXPECT_EQ(block["timer"].toString(), m.GetFbDelayType(j) ? "pulse" : "onDelay");
        ExpectRow(block, b.data() + 5, b[5]);
    }
    for (int line = 0; line < kOutputLines; ++line)
        EXPECT_EQ(root["outputNames"].toArray()[line].toString(),
                  s.view.at(Family::OutputName, line).caption);
}

INSTANTIATE_TEST_SUITE_P(Examples, DumpJson,
                         ::testing::Values("06-06.vil", "12-04.vil", "12-22.vil", "24-08.vil",
                                           "24-43.vil"),
                         [](const auto& info) {
                             return "Code" + QString(info.param).left(5).remove('-').toStdString();
                         });

TEST(DumpText, ListsHeaderInputsBlocksAndOutputNames) {
    const ToolResult dump = ToolRunner().run({"dump", Example("24-08.vil")});
    ASSERT_EQ(dump.status, 0);
    const QStringList lines = dump.out.split('\n');
    EXPECT_EQ(lines.mid(0, 4), (QStringList{"код исполнения: 24-08", "номер устройства: 5",
                                            "внешнее квитирование: да (вход 32)", "Входы:"}));
    EXPECT_EQ(lines[5], "  вход 2 «Темп.масла»: обработка вкл, контакт НЗ, сигнализация авар., "
                        "ячейка 2, задержка 5 с, выходы нет, блокировка нет");
    EXPECT_TRUE(lines.contains("Функциональные блоки:"));
    EXPECT_TRUE(dump.out.contains("  ФБ 1: тип И; входы: 1) вход УСО 1, прямой; 2) вход УСО 2, "
                                  "инверсный; 3) вход УСО 25, прямой; 4) не подключен; таймер "));
    EXPECT_TRUE(lines.contains("Имена выходов:"));
}

TEST(DumpText, ShowsControlCharactersInNamesEscaped) {
    ToolRunner tool;
    QByteArray scheme = rawFile(Example("24-08.vil")).value();
    scheme.replace(254, 10, "\x1b]0;x\x07\\abc"); // the first input's name field
    writeRawFile(tool.path("crafted.vil"), scheme);
    const ToolResult dump = tool.run({"dump", tool.path("crafted.vil")});
    EXPECT_TRUE(dump.out.contains("  вход 1 «\\x1B]0;x\\x07\\\\abc»: обработка "))
        << dump.out.toStdString();
    EXPECT_FALSE(dump.out.contains(QChar(0x1b)));
}

TEST(Diff, SchemeFilesAndImagesInWordsWithTheExitStatus) {
    ToolRunner tool;
    EXPECT_EQ(tool.run({"diff", Example("24-08.vil"), Example("24-08.vil")}).status, 0);
    const ToolResult codes = tool.run({"diff", Example("24-08.vil"), Example("12-04.vil")});
    EXPECT_EQ(codes.status, 1);
    EXPECT_EQ(codes.out, "код исполнения 24-08 → 12-04\n");
    // The image of a scheme file is bytes 4..253; alone it needs the code.
    QFile file(Example("24-08.vil"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray image = file.readAll().mid(4, 250);
    image[4 * 3 + 3] = 0x40 | 6; // input 4: 6 × 10 s
    QFile out(tool.path("image.bin"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(image);
    out.close();
    const ToolResult mixed = tool.run({"diff", Example("24-08.vil"), tool.path("image.bin")});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.out, "вход 4: задержка 30 с → 60 с\n");
    const ToolResult images =
        tool.run({"diff", tool.path("image.bin"), tool.path("image.bin"), "--code", "24-08"});
    EXPECT_EQ(images.status, 0);

    // Block 1 removed: every field of what it did, one line each.
    image[4 * 3 + 3] = 0x40 | 3; // input 4 as in the file again
    image[128] = 0;
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(image);
    out.close();
    const ToolResult removed = tool.run({"diff", Example("24-08.vil"), tool.path("image.bin")});
    EXPECT_EQ(removed.status, 1);
    EXPECT_EQ(removed.out, "ФБ 1: тип И → нет\n"
                           "ФБ 1: вход 1 вход УСО 1, прямой → —\n"
                           "ФБ 1: вход 2 вход УСО 2, инверсный → —\n"
                           "ФБ 1: вход 3 вход УСО 25, прямой → —\n"
                           "ФБ 1: вход 4 не подключен → —\n"
                           "ФБ 1: таймер импульс → —\n"
                           "ФБ 1: сигнализация авар. → —\n"
                           "ФБ 1: ячейка 6 → —\n"
                           "ФБ 1: задержка 10 с → —\n"
                           "ФБ 1: выходы МР №1.2 → —\n"
                           "ФБ 1: блокировка нет → —\n");
}

struct BadCall {
    const char* name;
    QStringList arguments;
    QString line;
};
void PrintTo(const BadCall& c, std::ostream* os) {
    *os << c.name;
}

class BadCalls : public ::testing::TestWithParam<BadCall> {};

TEST_P(BadCalls, ExitTwoWithOneClearLine) {
    ToolRunner tool;
    QFile shortFile(tool.path("short.vil"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray("\0\x18\x08\0\0\0", 6));
    shortFile.close();
    QFile image(tool.path("image.bin"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(250, '\0'));
    image.close();
    QFile example(Example("24-08.vil"));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    QByteArray scheme = example.readAll();
    scheme[3] = 0x1F; // device 32
    QFile device32(tool.path("device32.vil"));
    ASSERT_TRUE(device32.open(QIODevice::WriteOnly));
    device32.write(scheme);
    device32.close();
    ASSERT_TRUE(QDir(tool.dir.path()).mkpath("line"));
    ASSERT_TRUE(QFile::copy(Example("24-08.vil"), tool.path("line/device-03.vil")));
    const ToolResult result = tool.run(GetParam().arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.errLines(), QStringList{GetParam().line});
    EXPECT_TRUE(result.out.isEmpty());
}

const BadCall kBadCalls[] = {
    {"NoCommand", {}, "vil3k-tool: не задана команда (vil3k-tool --help)"},
    {"UnknownCommand", {"bogus"}, "vil3k-tool: неизвестная команда: bogus"},
    {"MissingFile", {"dump"}, "vil3k-tool: ожидается файлов: 1"},
    {"ForeignOption",
     {"dump", "a.vil", "--port", "COM1"},
     "vil3k-tool: неизвестный параметр для dump: --port"},
    {"AddressOutOfRange",
     {"verify", "a.vil", "--port", "COM1", "--address", "32"},
     "vil3k-tool: неверное значение параметра --address"},
    {"NegativeRetries",
     {"verify", "a.vil", "--port", "COM1", "--address", "1", "--retries", "-1"},
     "vil3k-tool: неверное значение параметра --retries"},
    {"NoPort", {"scan"}, "vil3k-tool: нужен параметр --port"},
    {"NoAddress",
     {"read", "--port", "COM1", "-o", "x.vil"},
     "vil3k-tool: нужен параметр --address"},
    {"BadBaud",
     {"scan", "--port", "COM1", "--baud", "1000"},
     "vil3k-tool: неверное значение параметра --baud"},
    {"ClockBothWays",
     {"clock", "--port", "COM1", "--show", "--set-from-pc", "--address", "1"},
     "vil3k-tool: нужен один из параметров --show, --set-from-pc"},
    {"AbsentFile",
     {"dump", "absent.vil"},
     "vil3k-tool: Файл не удается открыть: absent.vil: No such file or directory"},
    {"ShortFile",
     {"dump", "short.vil"},
     "vil3k-tool: Файл не удается открыть: short.vil: Длина файла 6 байт, а для исполнения 24-08 "
     "нужно 734"},
    {"ImageWithoutCode",
     {"diff", "image.bin", "image.bin"},
     "vil3k-tool: Файл не удается открыть: image.bin: образ устройства без кода исполнения: "
     "укажите --code"},
    {"AbsentPort",
     {"scan", "--port", "/dev/absent-tty"},
     "vil3k-tool:  невозможно открыть последовательный порт "},
    {"EvenParityTwoStopBits",
     {"scan", "--port", "/dev/absent-tty", "--parity", "E"},
     "vil3k-tool: Ошибочные данные "},
    {"DeviceNumber32",
     {"write", "device32.vil", "--port", "COM1", "--address", "1"},
     "vil3k-tool: Файл не удается открыть: device32.vil: Номер устройства 32 в файле, допустимы "
     "номера 1..31"},
    {"NoDirectory", {"backup", "--port", "COM1"}, "vil3k-tool: нужен параметр --dir"},
    {"DirectoryAndAddress",
     {"verify", "--port", "COM1", "--dir", "line", "--address", "3"},
     "vil3k-tool: --address не задается вместе с --dir"},
    {"RangeWithoutDirectory",
     {"verify", "one.vil", "--port", "COM1", "--address", "3", "--addresses", "1-5"},
     "vil3k-tool: --addresses задается только вместе с --dir"},
    {"TooManyRetries",
     {"scan", "--port", "COM1", "--retries", "10"},
     "vil3k-tool: неверное значение параметра --retries"},
    {"HelpOnNothing", {"help", "bogus"}, "vil3k-tool: неизвестная команда: bogus"},
    {"NoDeviceFiles",
     {"restore", "--port", "COM1", "--dir", "absent"},
     "vil3k-tool: нет файлов device-NN.vil в каталоге absent"},
    {"OutputInNoDirectory",
     {"read", "--port", "COM1", "--address", "1", "-o", "absent/x.vil"},
     "vil3k-tool: Файл не удается создать: absent/x.vil: No such file or directory"},
    {"BackupIntoAFile",
     {"backup", "--port", "COM1", "--dir", "short.vil/x", "--force"},
     "vil3k-tool: Файл не удается создать: short.vil/x: Not a directory"},
};

INSTANTIATE_TEST_SUITE_P(Usage, BadCalls, ::testing::ValuesIn(kBadCalls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Help, EverySubcommandDescribesItself) {
    ToolRunner tool;
    for (const QString command :
         {"dump", "diff", "read", "verify", "write", "scan", "backup", "restore", "clock"}) {
        const ToolResult help = tool.run({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith("vil3k-tool " + command + " ")) << help.out.toStdString();
        EXPECT_EQ(tool.run({"help", command}).out, help.out);
        EXPECT_TRUE(help.out.contains("Коды выхода: 0 - ")) << help.out.toStdString();
    }
    EXPECT_TRUE(tool.run({"help"}).out.contains("3 - устройство не ответило"));
    const QString write = tool.run({"write", "--help"}).out;
    EXPECT_TRUE(write.contains("--address - адрес, по которому устройство отвечает сейчас"));
    EXPECT_TRUE(write.contains("FParol.dat"));
}

} // namespace
