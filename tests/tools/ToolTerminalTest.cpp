// vil3k-tool on a terminal: the password asked for, never echoed, and checked;
// the progress bar; file names given as bytes that are not UTF-8.

#include "support/SimProcess.h"
#include "tests/tools/ToolRun.h"

#include <QFile>

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

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

// vil3k-tool on a terminal of its own, in the runner's directory, with the
// arguments as bytes and no password in the environment.
class OnTerminal {
public:
    OnTerminal(const ToolRunner& tool, std::vector<std::string> arguments) {
        const QByteArray directory = QFile::encodeName(tool.dir.path());
        arguments.insert(arguments.begin(), "vil3k-tool");
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        child_ = forkpty(&master, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            unsetenv("VIL3K_PASSWORD");
            if (chdir(directory.constData()) == 0)
                execv(VIL3K_TOOL_PATH, argv.data());
            _exit(127);
        }
    }
    // What the terminal shows until the end, and the exit status.
    int finish(std::string& shown) {
        shown += ReadTerminal(master);
        int status = -1;
        waitpid(child_, &status, 0);
        close(master);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int master = -1;

private:
    pid_t child_ = -1;
};

std::string Bytes(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

TEST(ToolTerminal, SurveyDrawsItsBarAndThePasswordIsAskedWithoutEcho) {
    SimProcess sim({"--device", "2:24-08", "--timeout", "60"});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    ToolRunner tool;
    std::string shown;
    EXPECT_EQ(OnTerminal(tool, {"scan", "--port", Bytes(sim.ptyPath()), "--addresses", "1-3",
                                "--timeout", "100", "--retries", "0"})
                  .finish(shown),
              0);
    EXPECT_NE(shown.find("[##########.....................] 1/3"), std::string::npos) << shown;
    EXPECT_NE(shown.find("[###############################] 3/3"), std::string::npos) << shown;

    OnTerminal run(tool, {"write", Bytes(Example("24-08.vil")), "--port", Bytes(sim.ptyPath()),
                          "--address", "2"});
    const std::string prompt = ReadTerminal(run.master, "<ENTER> ");
    EXPECT_NE(prompt.find("Введите пароль и нажмите  <ENTER>"), std::string::npos) << prompt;
    ASSERT_EQ(write(run.master, "7352\n", 5), 5);
    std::string rest;
    EXPECT_EQ(run.finish(rest), 0) << rest;
    EXPECT_EQ(rest.find("7352"), std::string::npos) << "the password was echoed: " << rest;
    EXPECT_NE(rest.find("записано: устройство 2, теперь адрес 5"), std::string::npos) << rest;
    EXPECT_EQ(rest.find("Передавать?"), std::string::npos) << "a question nobody was asked";
}

TEST(ToolTerminal, NamesThatAreNotUtf8AreReadByTheirBytes) {
    ToolRunner tool;
    ASSERT_TRUE(QFile::copy(Example("12-04.vil"), tool.path("copy.vil")));
    ASSERT_EQ(rename(Bytes(tool.path("copy.vil")).c_str(),
                     (Bytes(tool.dir.path()) + "/n\xff.vil").c_str()),
              0);
    std::string listing;
    EXPECT_EQ(OnTerminal(tool, {"dump", "n\xff.vil"}).finish(listing), 0);
    EXPECT_EQ(listing.rfind("код исполнения: 12-04", 0), 0u) << listing;
    // Qt writes files by UTF-8 names only: refused, not written under another name.
    std::string refusal;
    EXPECT_EQ(OnTerminal(tool, {"read", "--port", "/dev/null", "--address", "1", "-o", "b\xfe.vil"})
                  .finish(refusal),
              2);
    EXPECT_EQ(refusal, "vil3k-tool: Файл не удается создать: b\\xFE.vil: имя не в UTF-8, файл с "
                       "таким именем не создать\r\n");
}

} // namespace
