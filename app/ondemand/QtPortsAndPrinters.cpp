// The module of serial ports and printers: the platform's serial line and QPrinter.
#include "app/ondemand/PortsAndPrinters.h"
#include "link/serial/SystemSerialLine.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class QtPortsAndPrinters : public PortsAndPrinters {
public:
    std::unique_ptr<SerialLine> newSerialLine() override { return NewSystemSerialLine(); }

    std::vector<PortEntry> portList() override { return SystemPortList(); }

    std::unique_ptr<QPagedPaintDevice> newPrinter() override {
        return std::make_unique<QPrinter>();
    }

    std::unique_ptr<QPagedPaintDevice> newPrinter(int dpi) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setResolution(dpi);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return printer;
    }

    bool choose(QPagedPaintDevice& device, QWidget* parent, PrintDialogData* pages) override {
        auto& printer = static_cast<QPrinter&>(device);
        QPrintDialog dialog(&printer, parent);
        if (pages != nullptr) {
            dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                              QAbstractPrintDialog::PrintPageRange |
                              QAbstractPrintDialog::PrintSelection);
            dialog.setMinMax(pages->minPage, pages->maxPage);
            // The file field of the dialog (on the platforms that show one) starts at
            // the proposed name rather than Qt's "print.pdf".
            if (auto* file = dialog.findChild<QLineEdit*>("filename");
                file && !pages->proposedFile.isEmpty())
                file->setText(pages->proposedFile);
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (pages != nullptr) {
            const bool range = printer.printRange() == QPrinter::PageRange;
            pages->fromPage = range ? printer.fromPage() : 0;
            pages->toPage = range ? printer.toPage() : 0;
            pages->outputFile = printer.outputFormat() == QPrinter::PdfFormat
                                    ? printer.outputFileName()
                                    : QString();
        }
        return true;
    }

    void printToPdf(QPagedPaintDevice& device, const QString& path) override {
        auto& printer = static_cast<QPrinter&>(device);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT PortsAndPrinters* vil3k_ports_and_printers() {
    static QtPortsAndPrinters parts;
    return &parts;
}
