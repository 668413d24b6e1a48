#pragma once

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// The command line of vil3k-tool: a subcommand, its files and its options.
struct ToolOptions {
    std::string command;
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
    bool json = false;
    bool csv = false; // matrix, protocol: a grid for spreadsheets
    bool confirm = false;
    bool show = false;
    bool setFromPc = false;
    bool force = false;  // backup: replace files that are there
    bool dryRun = false; // restore: show the differences only
    bool trace = false;  // every frame of the link on standard error
    std::string port;
    // File names are the bytes given (see ToolPaths.h).
    std::string output; // -o
    std::string names;  // --names
    std::string dir;    // --dir: the device-NN.vil files of a line
    int codeFirst = -1; // --code F-S, for bare device images
    int codeSecond = -1;
    int address = 0;
    int firstAddress = 1;
    int lastAddress = 31;
    // A survey: the whole attempt at one address. 500 ms leaves a device at
    // 9600 baud a few hundred milliseconds to start answering.
    int timeoutMs = 500;
    // --retries: attempts repeated after one that brought no answer; a survey
    // repeats once unless told, the device commands as the window does.
    std::optional<int> retries;
    // Line settings: the window's defaults.
    int baud = 9600;
    std::string parity = "N";
    int stopBits = 2;
};

// False with one line in `error` when the arguments make no sense. args:
// without the program's name; the first one names the command.
bool ParseToolOptions(const QStringList& args, ToolOptions& options, std::string& error);

// --help of a subcommand; the overview for an empty or unknown one.
std::string ToolHelp(const std::string& command);
