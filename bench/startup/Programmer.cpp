// The programmer started as its main() starts it, linked as vil3k-programmer is, reporting
// to StartupBench once its window is painted: the settings kept between runs are read
// and the recent files listed.
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "app/Startup.h"
#include "bench/startup/StartupProbe.h"

#include <QSettings>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QCoreApplication::setOrganizationName("vil3k");
    QCoreApplication::setApplicationName("vil3k-programmer");
    installRussianTranslation(app);
    installProgramStyle();
    QSettings store;
    ProgramSettings settings(store);
    MainWindow form;
    form.useSettings(settings);
    const StartupProbe probe(form, argc > 1 ? std::atoll(argv[1]) : MonotonicNs());
    form.show();
    return QApplication::exec();
}
