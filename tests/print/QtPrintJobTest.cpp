#include "app/ondemand/PortsAndPrinters.h"
#include "editor/gui/SchemePainter.h"
#include "print/PrintPages.h"
#include "print/gui/QtPrinting.h"
#include "support/FakeMessages.h"
#include "support/ModalDialog.h"
#include "support/RecordingWindow.h"
#include "support/SampleSchemes.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
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
    SchemePrinter printer(portsAndPrinters(), nullptr);
    ASSERT_NE(printer.printer(), nullptr);
    EXPECT_EQ(printer.printer()->logicalDpiX(), 600);
    for (const QString& file : {dir.filePath("job.pdf"), dir.filePath("missing/job.pdf")}) {
        QtPrintJob job(*printer.printer(), printer.system());
        PrintDialogData choice;
        choice.outputFile = file;
        const bool started = job.begin(choice);
        EXPECT_EQ(started, file.endsWith("/job.pdf") && !file.contains("missing"));
        EXPECT_EQ(cursorShape(), started ? Qt::WaitCursor : Qt::ArrowCursor);
        job.end();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// A long output list prints its second line below its box, over the outputs panel.
TEST(QtPrintDialog, ProposesTheSchemesPdfName) {
    SchemePrinter printer(portsAndPrinters(), nullptr);
    QtPrintDialog dialog(printer, nullptr);
    QString shown;
    WhenShown([&shown](QWidget* modal) {
        if (const auto* file = modal->findChild<QLineEdit*>("filename"))
            shown = file->text();
        static_cast<QDialog*>(modal)->reject();
    });
    PrintDialogData data;
    data.proposedFile = "/home/engineer/схемы/24-08.pdf";
    EXPECT_FALSE(dialog.exec(data));
    EXPECT_EQ(shown, "/home/engineer/схемы/24-08.pdf");
}

TEST(PrintedPicture, SecondLineOfALongListIsDrawn) {
    FakeMessages messages;
    RecordingWindow window;
    SchemeSession session{messages, window};
    BuildSampleScheme(session, 24, 16, 0);
    session.view.ShowRowOutputs(1, 0x3F, 0, 0); // six outputs
    session.view.ShowRowOutputs(2, 0x0F, 0, 0); // four: one line
    const PrintedPage page = LayOutPage(session.view, 1);
    const int scale = 4;
    QImage image(page.area.w * scale, page.area.h * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintScheme(painter, page.view, scale, QRect(0, 0, page.area.w, page.area.h));
    painter.end();
    auto inkBelowList = [&](int row) {
        const Rect box = page.view.absoluteRect(Family::Mr1Outputs, row);
        int dark = 0;
        for (int y = box.bottom() * scale; y < (box.bottom() + 8) * scale; ++y)
            for (int x = box.x * scale; x < box.right() * scale; ++x)
                dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(inkBelowList(1), 20);
    EXPECT_EQ(inkBelowList(2), 0);
}

} // namespace
