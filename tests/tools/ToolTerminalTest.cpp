// The password typed on a terminal: asked for, never echoed, and checked.

#include "support/SimProcess.h"
#include "tests/tools/ToolRun.h"

#include <QFile>

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

// Everything the terminal shows until `until` appears (or the program ends).
std::string ReadTerminal(int master, const std::string& until = {}) {
    std::string shown;
    char buffer[512];
    pollfd pfd{master, POLLIN, 0};
    while ((until.empty() || shown.find(until) == std::string::npos) && poll(&pfd, 1, 10000) > 0) {
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        shown.append(buffer, static_cast<std::size_t>(n));
    }
    return shown;
}

TEST(ToolTerminal, PasswordIsAskedWithoutEcho) {
    SimProcess sim({"--device", "2:24-08", "--timeout", "60"});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    ToolRunner tool;
    const QByteArray directory = QFile::encodeName(tool.dir.path());
    const QByteArray file = QFile::encodeName(Example("24-08.vil"));
    const QByteArray port = QFile::encodeName(sim.ptyPath());
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("VIL3K_PASSWORD");
        if (chdir(directory.constData()) == 0)
            execl(VIL3K_TOOL_PATH, "vil3k-tool", "write", file.constData(), "--port",
                  port.constData(), "--address", "2", static_cast<char*>(nullptr));
        _exit(127);
    }
    const std::string prompt = ReadTerminal(master, "<ENTER> ");
    EXPECT_NE(prompt.find("Введите пароль и нажмите  <ENTER>"), std::string::npos) << prompt;
    ASSERT_EQ(write(master, "7352\n", 5), 5);
    const std::string rest = ReadTerminal(master);
    int status = -1;
    waitpid(child, &status, 0);
    close(master);
    EXPECT_EQ(rest.find("7352"), std::string::npos) << "the password was echoed: " << rest;
    EXPECT_NE(rest.find("Данные не были изменены.Передавать? да"), std::string::npos) << rest;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << rest;
}

} // namespace
