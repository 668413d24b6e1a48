#pragma once

#include "print/PrintCommand.h"

#include <memory>

class QPagedPaintDevice;
class QWidget;

// The printing system behind the printouts: its printers and its print dialog.
// It stands apart from the painting, which needs only a paged paint device, so
// that the programmer can load it when the first printout is asked for.
class PrintingSystem {
public:
    virtual ~PrintingSystem() = default;
    // A printer as the system sets it up; none when the system is missing (it
    // has said why).
    virtual std::unique_ptr<QPagedPaintDevice> newPrinter() = 0;
    // The same at `dpi` dots per inch, without margins beyond what the printer needs.
    virtual std::unique_ptr<QPagedPaintDevice> newPrinter(int dpi) = 0;
    // The system's print dialog on `printer` (made by newPrinter); false when
    // cancelled. With `pages`: their range and a selection may be chosen, and
    // printing to a file, which starts at pages->proposedFile; the choice is
    // written back.
    virtual bool choose(QPagedPaintDevice& printer, QWidget* parent,
                        PrintDialogData* pages = nullptr) = 0;
    // From now on `printer` writes a PDF file at `path`.
    virtual void printToPdf(QPagedPaintDevice& printer, const QString& path) = 0;
};
