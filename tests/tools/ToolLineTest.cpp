// vil3k-tool against vil3k-sim on a pseudo-terminal: survey, backup, audit,
// restore and clock, each through the built program.

#include "files/SchemeFile.h"
#include "support/SimProcess.h"
#include "tests/tools/ToolRun.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

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

    ToolRunner tool;
    std::unique_ptr<SimProcess> sim;
    QStringList port;
};

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
    EXPECT_TRUE(all.err.contains("[###############################] 5/5"));
    EXPECT_TRUE(all.err.contains("1/5")) << "the bar moves address by address";
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
    EXPECT_EQ(audit.out.toStdString(), "вход 1: обработка выкл → вкл\n"
                                       "вход 2: задержка 20 с → 5 с\n"
                                       "ФБ 1: тип ИЛИ-НЕ → И\n");
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
    const ToolResult silent =
        tool.run({"read", "--port", "COM7", "--address", "3", "-o", tool.path("c.vil")}, {},
                 "COM7=" + sim->ptyPath());
    EXPECT_EQ(silent.status, 1);
    EXPECT_EQ(silent.err, "устройство 3 COM7 не отвечает на запрос\n");
    EXPECT_FALSE(QFile::exists(tool.path("c.vil")));
}

TEST_F(ToolLine, WriteNeedsThePasswordAndLandsAsTheFileSays) {
    Start({"--device", "2:24-08"});
    const QStringList write{"write", Example("24-08.vil"), "--address", "2", "--confirm"};
    const ToolResult anonymous = Run(write);
    EXPECT_EQ(anonymous.status, 1);
    EXPECT_EQ(anonymous.err, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт\n");
    const ToolResult wrong = Run(write, "1111");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.errLines().value(0), "Введенный пароль неверен");
    EXPECT_FALSE(QFile::exists(tool.path("dump.bin")));

    const ToolResult written = Run(write, "7352");
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
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
    EXPECT_EQ(refused.err, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт\n");
    ASSERT_EQ(Run({"clock", "--set-from-pc"}, "7352").status, 0);
    const QString today = QDate::currentDate().toString("dd.MM.");
    EXPECT_TRUE(Run({"clock", "--show", "--address", "1"}).out.endsWith(today + "\n"));
    EXPECT_TRUE(Run({"clock", "--show", "--address", "2"}).out.endsWith(today + "\n"));
}

} // namespace
