#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "app/TForm1.h"

#include <QSettings>

int main(int argc, char** argv) {
    if (!displayAvailable())
        return 1;
    GuardedApplication app(argc, argv);
    // Where the settings live: ~/.config/vil3k/vil3k-programmer.conf on Linux,
    // HKEY_CURRENT_USER\Software\vil3k\vil3k-programmer on Windows.
    QCoreApplication::setOrganizationName("vil3k");
    QCoreApplication::setApplicationName("vil3k-programmer");
    installRussianTranslation(app);
    int status = 1;
    // The main window builds the other windows of the run; all live until it closes.
    app.errors().guard([&status] {
        QSettings store;
        ProgramSettings settings(store);
        TForm1 form;
        form.useSettings(settings);
        form.show();
        status = QApplication::exec();
    });
    return app.errors().failed() ? 1 : status;
}
