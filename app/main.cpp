#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "app/ProgrammerOptions.h"
#include "app/Startup.h"
#include "ui/cli/CommandLine.h"

#include <QSettings>

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

// The window with what the settings keep and the command line asks for.
int Run(const ProgrammerOptions& options) {
    QSettings store;
    ProgramSettings settings(store);
    if (options.resetSettings)
        settings.clear();
    MainWindow form;
    const QString port = QString::fromStdString(options.port);
    if (!form.useSettings(settings, port) && !port.isEmpty())
        std::fprintf(stderr, "vil3k-programmer: %s%s\n", app_text::kTextPortNotOpened,
                     options.port.c_str());
    form.setStartFile(options.schemeFile);
    form.show();
    return QApplication::exec();
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
    // Where the settings live: ~/.config/vil3k/vil3k-programmer.conf on Linux,
    // HKEY_CURRENT_USER\Software\vil3k\vil3k-programmer on Windows.
    QCoreApplication::setOrganizationName("vil3k");
    QCoreApplication::setApplicationName("vil3k-programmer");
    installRussianTranslation(*app);
    installProgramStyle();
    int status = 1;
    // The main window builds the other windows of the run; all live until it closes.
    app->errors().guard([&status, &options] { status = Run(options); });
    return app->errors().failed() ? 1 : status;
}
