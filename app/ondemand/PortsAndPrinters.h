#pragma once

#include "link/PortList.h"
#include "link/SerialLine.h"
#include "print/gui/PrintingSystem.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

class QLibrary;

// What talks to the hardware around the device: serial ports and printers. Their
// libraries (QtSerialPort with udev, QtPrintSupport with the printing system) cost every
// start time and memory, while a run opens its port after the window is up and
// prints rarely; so the programmer keeps them in a module of its own, loaded when
// one of them is first needed.
class PortsAndPrinters : public PrintingSystem {
public:
    // A serial line on this computer's ports.
    virtual std::unique_ptr<SerialLine> newSerialLine() = 0;
    // The ports of this computer, with VIL3K_PORTS applied.
    virtual std::vector<PortEntry> portList() = 0;
};

// The module's file, without the platform's prefix and suffix, and its one entry:
// extern "C" PortsAndPrinters* vil3k_ports_and_printers().
inline constexpr char kPortsAndPrintersModule[] = "vil3k-ports-printers";
inline constexpr char kPortsAndPrintersEntry[] = "vil3k_ports_and_printers";

// The module, loaded on the first call of any of its functions from whichever
// thread makes it; until then nothing of it is in the process. When it cannot be
// loaded, ports fail to open and printing is refused, each with the reason.
class LoadedPortsAndPrinters : public PortsAndPrinters {
public:
    // The module is looked for in these folders, in order.
    explicit LoadedPortsAndPrinters(QStringList folders);
    ~LoadedPortsAndPrinters() override;

    std::unique_ptr<SerialLine> newSerialLine() override;
    std::vector<PortEntry> portList() override;
    std::unique_ptr<QPagedPaintDevice> newPrinter() override;
    std::unique_ptr<QPagedPaintDevice> newPrinter(int dpi) override;
    bool choose(QPagedPaintDevice& printer, QWidget* parent, PrintDialogData* pages) override;
    void printToPdf(QPagedPaintDevice& printer, const QString& path) override;

    // Why the module could not be loaded; empty when it was (or is not yet asked for).
    QString failure() const { return failure_; }

private:
    // The module's parts, null when it cannot be loaded.
    PortsAndPrinters* parts();
    std::unique_ptr<QPagedPaintDevice> refusePrinting();

    QStringList folders_;
    std::once_flag loaded_;
    std::unique_ptr<QLibrary> library_;
    PortsAndPrinters* parts_ = nullptr;
    QString failure_;
};

// The programmer's: next to the program, where the build leaves it, then where it is
// installed.
PortsAndPrinters& portsAndPrinters();
