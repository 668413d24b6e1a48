// The lightest Qt start-up StartupBench holds the programmer against: an application and an
// empty main window of the programmer's size, built with the same compiler settings.
#include "bench/startup/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(843, 730);
    const StartupProbe probe(window, argc > 1 ? std::atoll(argv[1]) : MonotonicNs());
    window.show();
    return QApplication::exec();
}
