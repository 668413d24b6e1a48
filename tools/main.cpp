// vil3k-tool: back up, verify, restore and survey ВИЛ-3K devices from the command line.

#include "tools/ConsoleSeams.h"
#include "tools/Terminal.h"
#include "tools/ToolCommands.h"
#include "tools/ToolOptions.h"
#include "tools/ToolPaths.h"
#include "ui/cli/CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The protocol is laid out in fonts, which only a QGuiApplication has; the
// offscreen platform gives it one without a display. Every other command
// starts without either.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "protocol") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const auto application = MakeApplication(argc, argv);
    PrepareTerminal();
    ToolOptions options;
    std::string error;
    if (!ParseToolOptions(ToolArguments(argc, argv), options, error)) {
        PrintMessage(stderr, error);
        return kExitUsage;
    }
    if (options.help || options.command == "help") {
        const bool named = options.command == "help" && !options.files.empty();
        std::printf("%s", ToolHelp(named ? options.files[0] : options.command).c_str());
        return kExitOk;
    }
    if (options.version) {
        std::printf("vil3k-tool %s\n", CommandLine::Version());
        return kExitOk;
    }
    return RunToolCommand(options);
}
