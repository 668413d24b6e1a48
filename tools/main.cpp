// vil3k-tool: back up, verify, restore and survey ВИЛ-3K devices from the command line.

#include "tools/ToolCommands.h"
#include "tools/ToolOptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ToolOptions options;
    std::string error;
    if (!ParseToolOptions({argv + 1, argv + argc}, options, error)) {
        std::fprintf(stderr, "vil3k-tool: %s\n",
                     error.empty() ? "не задана команда (vil3k-tool --help)" : error.c_str());
        return kExitUsage;
    }
    if (options.help) {
        std::printf("%s", ToolHelp(options.command).c_str());
        return kExitOk;
    }
    return RunToolCommand(options);
}
