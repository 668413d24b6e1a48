#include "print/gui/QtPrinting.h"

#include "editor/gui/SchemePainter.h"
#include "print/PrintPlan.h"
#include "print/PrintTexts.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr int kPrinterDpi = 600;
constexpr int kDefaultScreenDpi = 96;

int screenDpi(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kDefaultScreenDpi;
    return static_cast<int>(
        std::lround(horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()));
}

} // namespace

QtPrintDialog::QtPrintDialog(SchemePrinter& printer, QWidget* parent)
    : printer_(printer), parent_(parent) {}

bool QtPrintDialog::exec(PrintDialogData& data) {
    QPagedPaintDevice* printer = printer_.printer();
    return printer != nullptr && printer_.system().choose(*printer, parent_, &data);
}

QtPrintJob::QtPrintJob(QPagedPaintDevice& printer, PrintingSystem& system)
    : printer_(printer), system_(system) {}

QtPrintJob::~QtPrintJob() {
    end();
}

void QtPrintJob::setPortrait() {
    printer_.setPageOrientation(QPageLayout::Portrait);
}

bool QtPrintJob::begin(const PrintDialogData& choice) {
    if (!choice.outputFile.isEmpty())
        system_.printToPdf(printer_, choice.outputFile);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    if (painter_.begin(&printer_))
        return true;
    end();
    return false;
}

PrintResolution QtPrintJob::resolution() const {
    return {printer_.logicalDpiX(), printer_.logicalDpiY(), screenDpi(true), screenDpi(false)};
}

void QtPrintJob::newPage() {
    printer_.newPage();
}

int QtPrintJob::headerText(int x, int y, const QString& text) {
    QFont font("DejaVu Sans");
    font.setPointSize(10);
    font.setBold(true);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(x, y, printer_.width(), kPageHeaderHeight),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    return x + QFontMetrics(font, &printer_).horizontalAdvance(text);
}

void QtPrintJob::schemePart(const SchemeView& page, const Rect& area, int sx, int sy) {
    painter_.save();
    painter_.translate(0, kPageHeaderHeight);
    painter_.scale(sx, sy);
    painter_.fillRect(QRect(0, 0, area.w, area.h), QColor(192, 192, 192));
    // Pending events run between elements, so a long printout keeps the window painted;
    // input waits until it is done.
    paintScheme(painter_, page, 1.0, QRect(area.x, area.y, area.w, area.h),
                [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    painter_.restore();
}

void QtPrintJob::end() {
    if (painter_.isActive())
        painter_.end();
    if (waitCursor_)
        QApplication::restoreOverrideCursor();
    waitCursor_ = false;
}

bool PdfFileDialog::exec(PrintDialogData& data) {
    const QString path =
        QFileDialog::getSaveFileName(parent_, QString(print_text::kActionSavePdf).remove(u'…'),
                                     data.proposedFile, print_text::kFilterPdf);
    if (path.isEmpty())
        return false;
    data.outputFile = path;
    data.fromPage = data.toPage = 0;
    return true;
}

SchemePrinter::SchemePrinter(PrintingSystem& system, QWidget* dialogParent)
    : system_(system), dialogParent_(dialogParent), dialog_(*this, dialogParent) {}

SchemePrinter::~SchemePrinter() = default;

QPagedPaintDevice* SchemePrinter::printer() {
    if (!printer_)
        printer_ = system_.newPrinter(kPrinterDpi);
    return printer_.get();
}

void SchemePrinter::print(PrintCommand& command, const QString& caption, PrintDialog& dialog,
                          const QString& proposedFile) {
    QPagedPaintDevice* device = printer();
    if (device == nullptr)
        return; // no printing system: it has said why
    QtPrintJob job(*device, system_);
    command.printScheme(caption, dialog, job, proposedFile);
}

void SchemePrinter::saveAsPdf(PrintCommand& command, const QString& caption,
                              const QString& proposedFile) {
    const std::unique_ptr<QPagedPaintDevice> device = system_.newPrinter(kPrinterDpi);
    if (!device)
        return; // no printing system: it has said why
    PdfFileDialog dialog(dialogParent_);
    QtPrintJob job(*device, system_);
    command.printScheme(caption, dialog, job, proposedFile);
}
