// The programmer started as its main() starts it, linked as vil3k-programmer is, reporting
// to StartupBench once its window is painted.
#include "app/Startup.h"
#include "app/TForm1.h"
#include "bench/startup/StartupProbe.h"

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    installRussianTranslation(app);
    TForm1 form;
    const StartupProbe probe(form, argc > 1 ? std::atoll(argv[1]) : MonotonicNs());
    form.show();
    return QApplication::exec();
}
