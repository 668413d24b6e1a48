// The command lines of the three programs, run as a user would call them.

#include "tools/ToolRun.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Call {
    const char* program;
    const char* arguments; // split at blanks; "EXAMPLE" is a scheme file
    const char* out;       // what standard output starts with (a pattern; NAME is the program's)
    const char* err;       // the one line on standard error after "NAME: ", and exit status 2
};

const char* const kTool = VIL3K_TOOL_PATH;
const char* const kSim = VIL3K_SIM_PATH;
const char* const kProgrammer = VIL3K_PROGRAMMER_PATH;
const char* const kVersion = "NAME [0-9]+\\.[0-9]+\\.[0-9]+\\n$";

const Call kCalls[] = {
    {kTool, "--version", kVersion, ""},
    {kTool, "--bogus", "$", "неизвестный параметр: --bogus"},
    {kTool, "verify EXAMPLE --port=COM1 --address=32", "$",
     "неверное значение параметра --address"},
    {kTool, "read --port COM1 --address 1 -o", "$", "неверное значение параметра -o"},
    {kTool, "dump EXAMPLE --json=yes", "$", "неверное значение параметра --json"},
    {kSim, "--help", "usage: vil3k-sim \\[--link PATH\\]", ""},
    {kSim, "--version", kVersion, ""},
    {kSim, "--bogus", "$", "bad option: --bogus"},
    {kSim, "--address=33", "$", "bad value of --address"},
    {kSim, "--status 256", "$", "bad value of --status"},
    {kProgrammer, "--help", "vil3k-programmer \\[--help\\]", ""},
    {kProgrammer, "--version", kVersion, ""},
    {kProgrammer, "--bogus", "$", "неизвестный параметр: --bogus"},
    {kProgrammer, "--version=2", "$", "неверное значение параметра --version"},
    {kProgrammer, "a.vil b.vil", "$", "лишний аргумент: b.vil"},
    // With a display the toolkit takes its own options first.
    {kProgrammer, "-platform offscreen --help", "vil3k-programmer \\[--help\\]", ""},
};

TEST(CommandLines, AnswerOrRefuseWithOneLine) {
    for (const Call& call : kCalls) {
        const QString name = QFileInfo(call.program).fileName();
        QStringList arguments = QString(call.arguments).split(' ');
        arguments.replaceInStrings("EXAMPLE", Example("24-08.vil"));
        SCOPED_TRACE((name + " " + call.arguments).toStdString());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(variable);
        if (arguments.contains("-platform"))
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(call.program, arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        const bool refused = *call.err != 0;
        EXPECT_EQ(process.exitCode(), refused ? 2 : 0);
        const QRegularExpression expectedOut("^" + QString(call.out).replace("NAME", name));
        EXPECT_TRUE(out.contains(expectedOut)) << out.toStdString();
        EXPECT_EQ(err.toStdString(), refused ? (name + ": " + call.err + "\n").toStdString() : "");
    }
}

} // namespace
