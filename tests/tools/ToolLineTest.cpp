// vil3k-tool against vil3k-sim on a pseudo-terminal: survey, backup, audit,
// restore and clock, each through the built program.

#include "files/SchemeFile.h"
#include "support/ScratchDirectory.h"
#include "support/SimProcess.h"
#include "tests/tools/ToolRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

class ToolLine : public ::testing::Test {
protected:
    void Start(const QStringList& devices) {
        sim = std::make_unique<SimProcess>(
            devices + QStringList{"--timeout", "60", "--dump", tool.path("dump.bin")});
        ASSERT_FALSE(sim->ptyPath().isEmpty()) << "vil3k-sim did not start";
        port = {"--port", sim->ptyPath()};
    }
    ToolResult Run(const QStringList& arguments, const QString& password = {}) {
        return tool.run(arguments + port, password);
    }
    // The scheme file with one byte changed (offset into the file).
    QString Changed(const QString& source, const std::vector<std::pair<int, char>>& bytes) {
        QFile in(source);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray data = in.readAll();
        for (const auto& [offset, value] : bytes)
            data[offset] = value;
        const QString path = tool.path("changed.vil");
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
        return path;
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The "devices" of a --json answer: address → the field asked for.
    static std::map<int, QString> Devices(const ToolResult& result, const char* field) {
        std::map<int, QString> devices;
        const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
        for (const QJsonValue device : root["devices"].toArray())
            devices[device["address"].toInt()] = device[field].toVariant().toString();
        return devices;
    }

    ToolRunner tool;
    std::unique_ptr<SimProcess> sim;
    QStringList port;
};

// A device that answers late is found at its own address and never at the
// next one, whose question its late answer would otherwise meet.
TEST_F(ToolLine, SlowDevicesAreFoundAtTheirOwnAddressOnly) {
    // The last answers later than the attempt waits: repeats take the answers.
    const std::pair<int, QStringList> cases[] = {
        {80, {}}, {150, {}}, {300, {}}, {150, {"--timeout", "100", "--retries", "3"}}};
    for (const auto& [delayMs, survey] : cases) {
        SCOPED_TRACE(delayMs);
        Start({"--device", "5:24-08", "--device", "6:12-04", "--reply-delay",
               QString::number(delayMs)});
        const ToolResult scan = Run(QStringList{"scan", "--addresses", "4-7", "--json"} + survey);
        ASSERT_EQ(scan.status, 0) << scan.err.toStdString();
        const std::map<int, QString> answered{{4, "false"}, {5, "true"}, {6, "true"}, {7, "false"}};
        EXPECT_EQ(Devices(scan, "answered"), answered);
        EXPECT_EQ(Devices(scan, "code")[6], "12-04");
    }
}

TEST_F(ToolLine, BackUpChangeVerifyAndRestoreAWholeLine) {
    Start({"--device", "3:" + Example("24-08.vil"), "--device", "7:" + Example("12-04.vil"),
           "--device", "12:" + Example("06-06.vil")});
    const QStringList survey{"--addresses", "1-13", "--timeout", "100", "--retries", "0"};
    const ToolResult backup = Run(QStringList{"backup", "--dir", "line", "--json"} + survey);
    ASSERT_EQ(backup.status, 0) << backup.err.toStdString();
    // Every address asked has its row.
    std::map<int, QString> saved;
    for (int address = 1; address <= 13; ++address)
        saved[address] = address == 3 || address == 7 || address == 12 ? "saved" : "absent";
    EXPECT_EQ(Devices(backup, "result"), saved);
    EXPECT_EQ(Devices(backup, "file")[7], "line/device-07.vil");

    // Device 7 gets another delay for input 2.
    const QString changed = Changed(tool.path("line/device-07.vil"), {{4 + 7, 20}});
    ASSERT_EQ(Run({"write", changed, "--address", "7"}, "7352").status, 0);

    const ToolResult audit = Run({"verify", "--dir", "line"});
    EXPECT_EQ(audit.status, 1);
    EXPECT_EQ(audit.out.toStdString(), "адрес  код    файл           итог\n"
                                       "    3  24-08  device-03.vil  совпадает\n"
                                       "    7  12-04  device-07.vil  отличается\n"
                                       "       вход 2: задержка 5 с → 20 с\n"
                                       "   12  06-06  device-12.vil  совпадает\n"
                                       "итого: совпадает 2, отличается 1\n");
    const QByteArray image = Contents(tool.path("dump.bin"));
    const ToolResult dryRun = Run({"restore", "--dir", "line", "--dry-run"});
    EXPECT_EQ(dryRun.status, 1);
    // What the write will change, in its direction: device → file.
    EXPECT_TRUE(dryRun.out.startsWith("устройство 7 (line/device-07.vil), устройство → файл:\n"
                                      "       вход 2: задержка 20 с → 5 с\n"));
    EXPECT_TRUE(dryRun.out.contains("\n    7  12-04  device-07.vil  отличается\n"));
    EXPECT_EQ(Contents(tool.path("dump.bin")), image) << "a dry run writes nothing";
    const ToolResult restore = Run({"restore", "--dir", "line", "--confirm"}, "7352");
    EXPECT_EQ(restore.status, 0) << restore.err.toStdString();
    EXPECT_TRUE(restore.out.contains("    7  12-04  device-07.vil  записано и подтверждено\n"));
    EXPECT_EQ(Run({"verify", "--dir", "line"}).status, 0);
}

// A device that cannot be read, a file already there, a disk that fills up:
// each its own row, the others read on, and the exit status the worst row's.
TEST_F(ToolLine, BackupReadsOnAndNamesEveryDeviceItCouldNotSave) {
    Start({"--device", "3:" + Example("24-08.vil"), "--device", "5:12-04:1", "--device",
           "7:" + Example("12-04.vil")});
    ASSERT_TRUE(QDir(tool.dir.path()).mkpath("line"));
    ASSERT_TRUE(QFile::copy(Example("06-06.vil"), tool.path("line/device-07.vil")));
    const QStringList survey{"--addresses", "1-8", "--timeout", "150"};
    const ToolResult kept = Run(QStringList{"backup", "--dir", "line"} + survey);
    EXPECT_EQ(kept.status, 1) << kept.err.toStdString();
    EXPECT_TRUE(kept.out.contains("    3  24-08  device-03.vil  сохранено\n"));
    EXPECT_TRUE(kept.out.contains("    5  12-04  device-05.vil  отказ (устройство 5 - не "
                                  "определен тип прибора; Данные не считаны)\n"));
    EXPECT_TRUE(kept.out.contains("    7  12-04  device-07.vil  оставлен: файл уже есть\n"))
        << kept.out.toStdString();
    EXPECT_TRUE(kept.out.contains("    8  --     --             отсутствует\n"));
    EXPECT_EQ(Contents(tool.path("line/device-07.vil")), Contents(Example("06-06.vil")));

    const ToolResult forced = Run(QStringList{"backup", "--dir", "line", "--force"} + survey);
    EXPECT_EQ(forced.status, 1) << "device 5 is still not saved";
    EXPECT_EQ(tool.run({"verify", "--port", sim->ptyPath(), "--address", "7",
                        tool.path("line/device-07.vil")})
                  .status,
              0);
    {
        FullDisk full(100);
        const ToolResult notSaved =
            Run(QStringList{"backup", "--dir", "line", "--force", "--json"} + survey);
        EXPECT_EQ(notSaved.status, 4) << "read but not saved outweighs everything";
        EXPECT_EQ(Devices(notSaved, "result")[3], "not-saved");
    }
    EXPECT_EQ(Run({"verify", "--dir", "line"}).status, 0) << "the files kept are whole";

    // A directory name a terminal would act on is escaped in JSON as in the table.
    const ToolResult escaped = Run(QStringList{"backup", "--dir", "x\x1b]0;", "--json"} + survey);
    EXPECT_EQ(Devices(escaped, "file")[3], "x\\x1B]0;/device-03.vil");
}

TEST_F(ToolLine, ExitStatusesTellWhatBecameOfTheDevice) {
    struct Case {
        const char* sim;
        const char* tool; // FILE is a scheme file
        int status;
        const char* lastLine; // PORT is the line's
    };
    const Case cases[] = {
        {"--busy 1", "write FILE --address 2 --confirm", 1,
         "записано, но устройство не подтвердило запись"},
        {"--wrong-function", "write FILE --address 2", 3,
         "устройство 2 PORT ошибка приема данных "},
        {"--one-byte", "verify FILE --address 2", 3, "устройство 2 PORT тайм-аут приема данных"},
        {"--silent", "scan --addresses 1-3 --timeout 100", 3,
         "ни одно устройство не ответило: проверьте порт и скорость (--port, --baud)"},
        // Something answers, unreadably: listed, not taken for silence.
        {"--bad-crc", "scan --addresses 1-3 --timeout 100", 1, nullptr},
        {"--wrong-function", "scan --addresses 1-3 --timeout 100", 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        Start(QStringList{"--device", "2:24-08"} + QString(c.sim).split(' '));
        QStringList arguments = QString(c.tool).split(' ');
        arguments.replaceInStrings("FILE", Example("24-08.vil"));
        const ToolResult result = Run(arguments, "7352");
        EXPECT_EQ(result.status, c.status);
        if (c.lastLine == nullptr)
            continue;
        EXPECT_EQ(
            result.errLines().value(result.errLines().size() - 1).toStdString(),
            ("vil3k-tool: " + QString(c.lastLine).replace("PORT", sim->ptyPath())).toStdString());
    }
}

TEST_F(ToolLine, ScanListsPresentAbsentAndUndeterminedDevices) {
    Start({"--device", "1:24-08", "--device", "3:12-04", "--device", "5:06-06:1"});
    const ToolResult all = Run({"scan", "--addresses", "1-5", "--timeout", "150"});
    EXPECT_EQ(all.status, 1) << "a device that cannot tell its type is a finding";
    EXPECT_EQ(all.out, "адрес  код    состояние\n"
                       "    1  24-08  0 готов\n"
                       "    2  --     отсутствует\n"
                       "    3  12-04  0 готов\n"
                       "    4  --     отсутствует\n"
                       "    5  06-06  1 тип не определен\n");
    EXPECT_EQ(all.err, "") << "no progress bar in a log";
    EXPECT_EQ(Run({"scan", "--addresses", "1-3"}).status, 0);
}

TEST_F(ToolLine, BackupVerifiesAndAChangedFileIsNamedFieldByField) {
    Start({"--device", "4:" + Example("24-08.vil")});
    const QString backup = tool.path("backup.vil");
    const ToolResult read =
        Run({"read", "--address", "4", "-o", backup, "--names", Example("24-08.vil")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(Run({"verify", "--address", "4", backup}).status, 0);
    EXPECT_TRUE(tool.run({"dump", backup}).out.contains("вход 1 «Давл. газа»"));

    // After the 4 header bytes: input 2's delay byte, block 1's type, and the
    // inclusion of inputs 1..8 (0xEF: all but input 5) without input 1.
    const QString changed =
        Changed(backup, {{4 + 7, 20}, {4 + 128, 4}, {4 + 245, static_cast<char>(0xEE)}});
    const ToolResult audit = Run({"verify", "--address", "4", changed});
    EXPECT_EQ(audit.status, 1);
    // A block of another type is told whole, its equal fields too.
    EXPECT_EQ(audit.out.toStdString(),
              "вход 1: обработка выкл → вкл\n"
              "вход 2: задержка 20 с → 5 с\n"
              "ФБ 1: тип ИЛИ-НЕ → И\n"
              "ФБ 1: вход 1 вход УСО 1, прямой → вход УСО 1, прямой\n"
              "ФБ 1: вход 2 вход УСО 2, инверсный → вход УСО 2, инверсный\n"
              "ФБ 1: вход 3 вход УСО 25, прямой → вход УСО 25, прямой\n"
              "ФБ 1: вход 4 не подключен → не подключен\n"
              "ФБ 1: таймер импульс → импульс\n"
              "ФБ 1: сигнализация авар. → авар.\n"
              "ФБ 1: ячейка 6 → 6\n"
              "ФБ 1: задержка 10 с → 10 с\n"
              "ФБ 1: выходы МР №1.2 → МР №1.2\n"
              "ФБ 1: блокировка нет → нет\n");
    // The example names device 5; the line put it at 4.
    EXPECT_EQ(Run({"verify", "--address", "4", Example("24-08.vil")}).out,
              "номер устройства 5 → 4\n");
}

TEST_F(ToolLine, ReadTakesTheWindowsPortNamesToo) {
    Start({"--device", "2:12-04"});
    const ToolResult read =
        tool.run({"read", "--port", "COM7", "--address", "2", "-o", tool.path("b.vil")}, {},
                 "COM7=" + sim->ptyPath());
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    const ToolResult silent = tool.run(
        {"read", "--port", "COM7", "--address", "3", "-o", tool.path("c.vil"), "--retries", "0"},
        {}, "COM7=" + sim->ptyPath());
    EXPECT_EQ(silent.status, 3);
    EXPECT_EQ(silent.err, "vil3k-tool: устройство 3 COM7 не отвечает на запрос\n");
    EXPECT_FALSE(QFile::exists(tool.path("c.vil")));
}

TEST_F(ToolLine, WriteNeedsThePasswordAndLandsAsTheFileSays) {
    Start({"--device", "2:24-08"});
    const QStringList write{"write", Example("24-08.vil"), "--address", "2", "--confirm"};
    const ToolResult anonymous = Run(write);
    EXPECT_EQ(anonymous.status, 1);
    EXPECT_EQ(anonymous.err, "vil3k-tool: Ваш уровень доступа не позволяет\n"
                             "vil3k-tool: производить вывод в СОМ-порт\n");
    const ToolResult wrong = Run(write, "1111");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.errLines().value(0), "vil3k-tool: Введенный пароль неверен");
    EXPECT_FALSE(QFile::exists(tool.path("dump.bin")));

    const ToolResult written = Run(write, "7352");
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_EQ(written.out, "записано: устройство 2, теперь адрес 5, запись подтверждена\n");
    EXPECT_EQ(written.err, "");
    // The device takes the number in the file (5) and answers there.
    EXPECT_EQ(Run({"verify", "--address", "5", Example("24-08.vil")}).status, 0);
    // The simulator's image (with its address) against the file: a device image diff.
    EXPECT_EQ(tool.run({"diff", tool.path("dump.bin"), Example("24-08.vil")}).status, 0);
}

TEST_F(ToolLine, AStoredPasswordReplacesTheBuiltInOne) {
    Start({"--device", "2:24-08"});
    QFile password(tool.path("FParol.dat"));
    ASSERT_TRUE(password.open(QIODevice::WriteOnly));
    password.write(QByteArray("\xD2\x04", 2)); // 1234
    password.close();
    const QStringList write{"write", Example("24-08.vil"), "--address", "2"};
    EXPECT_EQ(Run(write, "7352").status, 1);
    EXPECT_EQ(Run(write, "1234").status, 0);
}

TEST_F(ToolLine, ClockIsShownAndSetFromTheComputer) {
    Start({"--device", "1:24-08", "--device", "2:12-04"});
    const QRegularExpression shown("^\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\.\n$");
    EXPECT_TRUE(shown.match(Run({"clock", "--show", "--address", "2"}).out).hasMatch());
    const QRegularExpression traced("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} → 02 04 чтение времени +8  "
                                    "попытка 1 +02 04 00 00 00 05 30 3A\n"
                                    "\\d\\d:\\d\\d:\\d\\d\\.\\d{3} ← 02 04 чтение времени +15  "
                                    "попытка 1  успешно +02 04 0A( [0-9A-F]{2}){12}\n$");
    const QString trace = Run({"clock", "--show", "--address", "2", "--trace"}).err;
    EXPECT_TRUE(traced.match(trace).hasMatch()) << trace.toStdString();
    const ToolResult refused = Run({"clock", "--set-from-pc"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "vil3k-tool: Ваш уровень доступа не позволяет\n"
                           "vil3k-tool: производить вывод в СОМ-порт\n");
    ASSERT_EQ(Run({"clock", "--set-from-pc"}, "7352").status, 0);
    const QString today = QDate::currentDate().toString("dd.MM.");
    EXPECT_TRUE(Run({"clock", "--show", "--address", "1"}).out.endsWith(today + "\n"));
    EXPECT_TRUE(Run({"clock", "--show", "--address", "2"}).out.endsWith(today + "\n"));
}

} // namespace
