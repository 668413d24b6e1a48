#include "print/gui/QtPrinting.h"

#include "editor/gui/SchemePainter.h"
#include "print/PrintPlan.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintDialog>
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
    QPrinter& printer = printer_.printer();
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintSelection);
    dialog.setMinMax(data.minPage, data.maxPage);
    // The file field of the dialog (on the platforms that show one) starts at
    // the proposed name rather than Qt's "print.pdf".
    if (auto* file = dialog.findChild<QLineEdit*>("filename"); file && !data.proposedFile.isEmpty())
        file->setText(data.proposedFile);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    data.fromPage = range ? printer.fromPage() : 0;
    data.toPage = range ? printer.toPage() : 0;
    data.outputFile =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    return true;
}

QtPrintJob::QtPrintJob(QPrinter& printer) : printer_(printer) {}

QtPrintJob::~QtPrintJob() {
    end();
}

void QtPrintJob::setPortrait() {
    printer_.setPageOrientation(QPageLayout::Portrait);
}

bool QtPrintJob::begin(const PrintDialogData& choice) {
    if (!choice.outputFile.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(choice.outputFile);
    }
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

SchemePrinter::SchemePrinter(QWidget* dialogParent) : dialog_(*this, dialogParent) {}

SchemePrinter::~SchemePrinter() = default;

QPrinter& SchemePrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(kPrinterDpi);
        printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
    return *printer_;
}

void SchemePrinter::print(PrintCommand& command, const QString& caption, PrintDialog& dialog,
                          const QString& proposedFile) {
    QtPrintJob job(printer());
    command.printScheme(caption, dialog, job, proposedFile);
}
