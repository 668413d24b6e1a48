// The command lines of the three programs, run as a user would call them.

#include "tools/ToolRun.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Call {
    const char* name;
    const char* program;
    QStringList arguments;
    int status;
    const char* out; // what standard output starts with (a pattern)
    const char* err; // the one line on standard error, or nothing
    bool display = false;
};

class CommandLines : public ::testing::TestWithParam<Call> {};

TEST_P(CommandLines, AnswerOrRefuseWithOneLine) {
    const Call& call = GetParam();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (call.display)
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(call.program, call.arguments);
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), call.status);
    EXPECT_TRUE(out.contains(QRegularExpression(QString("^") + call.out))) << out.toStdString();
    EXPECT_EQ(err.split('\n', Qt::SkipEmptyParts),
              *call.err ? QStringList{call.err} : QStringList{});
}

const char* const kTool = VIL3K_TOOL_PATH;
const char* const kSim = VIL3K_SIM_PATH;
const char* const kProgrammer = VIL3K_PROGRAMMER_PATH;
const QString kExample = Example("24-08.vil");

const Call kCalls[] = {
    {"ToolVersion", kTool, {"--version"}, 0, "vil3k-tool [0-9]+\\.[0-9]+\\.[0-9]+\\n$", ""},
    {"ToolUnknownOption", kTool, {"--bogus"}, 2, "$", "vil3k-tool: неизвестный параметр: --bogus"},
    {"ToolValueAfterEquals",
     kTool,
     {"verify", kExample, "--port=COM1", "--address=32"},
     2,
     "$",
     "vil3k-tool: неверное значение параметра --address"},
    {"ToolLineSettingsAfterEquals",
     kTool,
     {"scan", "--port=/dev/absent-tty", "--parity=E"},
     2,
     "$",
     "vil3k-tool: Ошибочные данные "},
    {"ToolMissingValue",
     kTool,
     {"read", "--port", "COM1", "--address", "1", "-o"},
     2,
     "$",
     "vil3k-tool: неверное значение параметра -o"},
    {"ToolSwitchWithValue",
     kTool,
     {"dump", kExample, "--json=yes"},
     2,
     "$",
     "vil3k-tool: неверное значение параметра --json"},
    {"SimHelp", kSim, {"--help"}, 0, "usage: vil3k-sim \\[--link PATH\\]", ""},
    {"SimVersion", kSim, {"--version"}, 0, "vil3k-sim [0-9]+\\.[0-9]+\\.[0-9]+\\n$", ""},
    {"SimUnknownOption", kSim, {"--bogus"}, 2, "$", "vil3k-sim: bad option: --bogus"},
    {"SimValueAfterEquals", kSim, {"--address=33"}, 2, "$", "vil3k-sim: bad value of --address"},
    {"SimStatusByte", kSim, {"--status", "256"}, 2, "$", "vil3k-sim: bad value of --status"},
    {"ProgrammerHelp", kProgrammer, {"--help"}, 0, "vil3k-programmer \\[--help\\]", ""},
    {"ProgrammerVersion",
     kProgrammer,
     {"--version"},
     0,
     "vil3k-programmer [0-9]+\\.[0-9]+\\.[0-9]+\\n$",
     ""},
    {"ProgrammerUnknownOption",
     kProgrammer,
     {"--bogus"},
     2,
     "$",
     "vil3k-programmer: неизвестный параметр: --bogus"},
    {"ProgrammerSwitchWithValue",
     kProgrammer,
     {"--version=2"},
     2,
     "$",
     "vil3k-programmer: неверное значение параметра --version"},
    {"ProgrammerExtraArgument",
     kProgrammer,
     {"a.vil", "b.vil"},
     2,
     "$",
     "vil3k-programmer: лишний аргумент: b.vil"},
    {"ProgrammerLeavesTheToolkitItsOptions",
     kProgrammer,
     {"-platform", "offscreen", "--help"},
     0,
     "vil3k-programmer \\[--help\\]",
     "",
     true},
};

INSTANTIATE_TEST_SUITE_P(ThreePrograms, CommandLines, ::testing::ValuesIn(kCalls),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
