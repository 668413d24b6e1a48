#pragma once

#include "print/PrintCommand.h"
#include "print/gui/PrintingSystem.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

class QWidget;
class SchemePrinter;

// The printing system's dialog on the run's printer: page numbers, selection and print to
// file; a PDF chosen there is reported as the output file.
class QtPrintDialog : public PrintDialog {
public:
    QtPrintDialog(SchemePrinter& printer, QWidget* parent);
    bool exec(PrintDialogData& data) override;

private:
    SchemePrinter& printer_;
    QWidget* parent_;
};

// Where "Сохранить в PDF…" writes: a file dialog only, so that a PDF never depends on
// what the platform's print dialog offers (the Windows one offers no PDF). The whole
// printout, starting at the proposed file.
class PdfFileDialog : public PrintDialog {
public:
    explicit PdfFileDialog(QWidget* parent) : parent_(parent) {}
    bool exec(PrintDialogData& data) override;

private:
    QWidget* parent_;
};

// A print job on a printer: the header as printer text, the scheme through the scheme
// painter, so a PDF keeps its texts as text. Shows the wait cursor while it runs and
// lets the window repaint between elements.
class QtPrintJob : public PrintJob {
public:
    QtPrintJob(QPagedPaintDevice& printer, PrintingSystem& system);
    ~QtPrintJob() override;

    void setPortrait() override;
    bool begin(const PrintDialogData& choice) override;
    PrintResolution resolution() const override;
    void newPage() override;
    int headerText(int x, int y, const QString& text) override;
    void schemePart(const SchemeView& page, const Rect& area, int sx, int sy) override;
    void end() override;

private:
    QPagedPaintDevice& printer_;
    PrintingSystem& system_;
    QPainter painter_;
    bool waitCursor_ = false;
};

// The printer of the whole run, so that the operator's choice of printer stays for the
// next printout. Asks for 600 dpi and no margins beyond what the printer needs.
class SchemePrinter {
public:
    SchemePrinter(PrintingSystem& system, QWidget* dialogParent);
    ~SchemePrinter();

    // Made when first asked for: a printer loads the printing system's libraries, which
    // cost start-up time and memory that a run without a printout never needs. None
    // when the printing system is missing.
    QPagedPaintDevice* printer();
    PrintingSystem& system() { return system_; }
    PrintDialog& dialog() { return dialog_; }
    void print(PrintCommand& command, const QString& caption, PrintDialog& dialog,
               const QString& proposedFile = {});
    // The printout into a PDF file chosen in a file dialog, on a printer of its own so
    // that the printer chosen for printouts stays as it was.
    void saveAsPdf(PrintCommand& command, const QString& caption, const QString& proposedFile);

private:
    PrintingSystem& system_;
    QWidget* dialogParent_;
    std::unique_ptr<QPagedPaintDevice> printer_;
    QtPrintDialog dialog_;
};
