#pragma once

#include "editor/SchemeSession.h"

#include <QString>

// What the print dialog offers and what the operator chose in it.
struct PrintDialogData {
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 0; // 0 and 0: every page
    int toPage = 0;
    QString outputFile; // set when the printout goes to a PDF file
    // The PDF file the dialog proposes when the operator prints to a file.
    QString proposedFile;
};

// The print dialog seam: false when cancelled.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual bool exec(PrintDialogData& data) = 0;
};

struct PrintResolution {
    int printerX = 0, printerY = 0; // dots per inch
    int screenX = 0, screenY = 0;
};

// The printer seam: a job of pages in printer device units.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual void setPortrait() = 0;
    // Starts the job on what the dialog chose; false when it cannot start.
    virtual bool begin(const PrintDialogData& choice) = 0;
    virtual PrintResolution resolution() const = 0;
    virtual void newPage() = 0;
    // Bold 10-point text whose top-left corner is at (x, y); returns the x where it ends.
    virtual int headerText(int x, int y, const QString& text) = 0;
    // The page's part of the scheme below the header, enlarged sx × sy.
    virtual void schemePart(const SchemeView& page, const Rect& area, int sx, int sy) = 0;
    virtual void end() = 0;
};

// "Печать": the scheme as the window shows it, on one page for the inputs and one or two
// for the function blocks. Reads the model and the scheme view, changes neither.
class PrintCommand {
public:
    explicit PrintCommand(const SchemeSession& session);

    // `caption` is the main window's caption, which heads every page;
    // `proposedFile` the PDF name offered for printing to a file.
    void printScheme(const QString& caption, PrintDialog& dialog, PrintJob& job,
                     const QString& proposedFile = {});

private:
    // `page` is the sheet's number, `part` what it shows (PrintedParts).
    void printPage(int page, int part, const QString& caption, PrintJob& job, int sx, int sy);

    const ConfigurationModel& model_;
    const SchemeView& view_;
    Messages& messages_;
};
