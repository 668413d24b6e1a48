// The lightest Qt start-up StartupBench holds the programmer against: an application and an
// empty main window of the programmer's size, built with the same compiler settings. With
// --text the window shows one line of text.
#include "bench/startup/StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(843, 730);
    if (argc > 2 && std::strcmp(argv[1], "--text") == 0)
        window.setCentralWidget(new QLabel("Устр. №"));
    const StartupProbe probe(window, argc > 1 ? std::atoll(argv[argc - 1]) : MonotonicNs());
    window.show();
    return QApplication::exec();
}
