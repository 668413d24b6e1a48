#pragma once

#include <QStringList>

#include <string>
#include <vector>

// The command line of vil3k-tool: a subcommand, its files and its options.
struct ToolOptions {
    std::string command;
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
    bool json = false;
    bool confirm = false;
    bool show = false;
    bool setFromPc = false;
    bool trace = false; // every frame of the link on standard error
    std::string port;
    std::string output; // -o
    std::string names;  // --names
    int codeFirst = -1; // --code F-S, for bare device images
    int codeSecond = -1;
    int address = 0;
    int firstAddress = 1;
    int lastAddress = 31;
    int timeoutMs = 100;
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
