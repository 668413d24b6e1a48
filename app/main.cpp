#include "app/AppTexts.h"
#include "app/ProgramSettings.h"
#include "app/StartOptions.h"
#include "app/Startup.h"
#include "app/TForm1.h"

#include <QSettings>

#include <cstdio>

int main(int argc, char** argv) {
    if (!displayAvailable())
        return 1;
    GuardedApplication app(argc, argv);
    // Where the settings live: ~/.config/vil3k/vil3k-programmer.conf on Linux,
    // HKEY_CURRENT_USER\Software\vil3k\vil3k-programmer on Windows.
    QCoreApplication::setOrganizationName("vil3k");
    QCoreApplication::setApplicationName("vil3k-programmer");
    StartOptions options;
    QString error;
    if (!ParseStartOptions(QCoreApplication::arguments(), options, error)) {
        std::fprintf(stderr, "vil3k-programmer: %s\n", qPrintable(error));
        return 2;
    }
    installRussianTranslation(app);
    int status = 1;
    // The main window builds the other windows of the run; all live until it closes.
    app.errors().guard([&status, &options] {
        QSettings store;
        ProgramSettings settings(store);
        if (options.resetSettings)
            settings.clear();
        TForm1 form;
        if (!form.useSettings(settings, options.port) && !options.port.isEmpty())
            std::fprintf(stderr, "vil3k-programmer: %s%s\n", app_text::kTextPortNotOpened,
                         qPrintable(options.port));
        form.setStartFile(options.schemeFile);
        form.show();
        status = QApplication::exec();
    });
    return app.errors().failed() ? 1 : status;
}
