#include "print/PrintCommand.h"

#include "print/PrintPages.h"
#include "print/PrintPlan.h"
#include "print/PrintTexts.h"
#include "ui/UiTexts.h"

PrintCommand::PrintCommand(const SchemeSession& session)
    : model_(session.model), view_(session.view), messages_(session.messages) {}

void PrintCommand::printScheme(const QString& caption, PrintDialog& dialog, PrintJob& job,
                               const QString& proposedFile) {
    job.setPortrait();
    if (model_.SchemeCreated == 0) {
        messages_.show(
            MessageBox{print_text::kTextNoScheme, ui_text::kCaptionWarning, MessageIcon::Warning});
        return;
    }
    const std::vector<int> parts = PrintedParts(BlocksInUseOf(model_));
    const int pages = static_cast<int>(parts.size());
    PrintDialogData choice;
    choice.maxPage = pages;
    choice.proposedFile = proposedFile;
    if (!dialog.exec(choice))
        return;
    if (!job.begin(choice)) {
        // Without a word the operator would look for a PDF that was never written.
        if (!choice.outputFile.isEmpty())
            messages_.show(MessageBox{ui_text::kTextCannotCreateFile, ui_text::kCaptionError,
                                      MessageIcon::Error});
        return;
    }
    // The scale follows the printer the operator chose.
    const PrintResolution dpi = job.resolution();
    const int sx = PrintScale(dpi.printerX, dpi.screenX);
    const int sy = PrintScale(dpi.printerY, dpi.screenY);
    const PageSpan span = ChosenPages(choice.fromPage, choice.toPage, pages);
    for (int page = span.first; page <= span.last; ++page) {
        if (page > span.first)
            job.newPage();
        printPage(page, parts[static_cast<std::size_t>(page - 1)], caption, job, sx, sy);
    }
    job.end();
}

void PrintCommand::printPage(int page, int part, const QString& caption, PrintJob& job, int sx,
                             int sy) {
    job.headerText(10, 10, HeaderLine1(caption, page));
    if (part == 1) {
        const HeaderFields fields{model_.DeviceNumberIndex + 1, model_.ExecFirst, model_.ExecSecond,
                                  view_.header.extAckDown};
        // The switch state keeps its column whenever line 2 ends before it; a longer line
        // pushes it on, a blank after the line.
        const int end = job.headerText(10, 200, HeaderLine2(fields));
        if (end <= kExtAckColumn)
            job.headerText(kExtAckColumn, 200, ExtAckState(fields));
        else
            job.headerText(end, 200, ' ' + ExtAckState(fields));
    }
    const PrintedPage printed = LayOutPage(view_, part);
    job.schemePart(printed.view, printed.area, sx, sy);
}
