#include "print/gui/QtPrinting.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

Qt::CursorShape cursorShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// The wait cursor shows from the start of the job to its end, also when it cannot start.
TEST(QtPrintJob, ShowsTheWaitCursorWhileItRuns) {
    QTemporaryDir dir;
    SchemePrinter printer(nullptr);
    EXPECT_EQ(printer.printer().resolution(), 600);
    for (const QString& file : {dir.filePath("job.pdf"), dir.filePath("missing/job.pdf")}) {
        QtPrintJob job(printer.printer());
        PrintDialogData choice;
        choice.outputFile = file;
        const bool started = job.begin(choice);
        EXPECT_EQ(started, file.endsWith("/job.pdf") && !file.contains("missing"));
        EXPECT_EQ(cursorShape(), started ? Qt::WaitCursor : Qt::ArrowCursor);
        job.end();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

} // namespace
