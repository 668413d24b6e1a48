#include "app/AppTexts.h"
#include "app/ProgrammerOptions.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "ui/cli/CommandLine.h"

#include <cstdio>
#include <optional>

namespace {

// Those of the application once it has taken the toolkit's own; without a
// display there is none, and the arguments are read as the system gave them.
QStringList ProgramArguments(int argc, char** argv) {
    if (QCoreApplication::instance())
        return QCoreApplication::arguments().mid(1);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // --help and --version answer without a display as well.
    const bool display = displayAvailable();
    std::optional<GuardedApplication> app;
    if (display)
        app.emplace(argc, argv);
    ProgrammerOptions options;
    std::string error;
    if (!ParseProgrammerOptions(ProgramArguments(argc, argv), options, error)) {
        std::fprintf(stderr, "vil3k-programmer: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(app_text::kTextCommandLineHelp, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("vil3k-programmer %s\n", CommandLine::Version());
        return 0;
    }
    if (!display) {
        explainNoDisplay();
        return 1;
    }
    installRussianTranslation(*app);
    int status = 1;
    // The main window builds the other windows of the run; all live until it closes.
    app->errors().guard([&status] {
        TForm1 form;
        form.show();
        status = QApplication::exec();
    });
    return app->errors().failed() ? 1 : status;
}
