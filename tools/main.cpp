// vil3k-tool: back up, verify, restore and survey ВИЛ-3K devices from the command line.

#include "tools/ToolCommands.h"
#include "tools/ToolOptions.h"
#include "ui/cli/CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ToolOptions options;
    std::string error;
    if (!ParseToolOptions(QCoreApplication::arguments().mid(1), options, error)) {
        std::fprintf(stderr, "vil3k-tool: %s\n", error.c_str());
        return kExitUsage;
    }
    if (options.help) {
        std::printf("%s", ToolHelp(options.command).c_str());
        return kExitOk;
    }
    if (options.version) {
        std::printf("vil3k-tool %s\n", CommandLine::Version());
        return kExitOk;
    }
    return RunToolCommand(options);
}
