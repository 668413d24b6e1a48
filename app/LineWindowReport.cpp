// The line window's files for sign-off: the table as CSV and the
// commissioning report, saved as PDF or printed.
#include "app/LineReport.h"
#include "app/LineWindow.h"
#include "app/LineWindowTexts.h"
#include "app/ondemand/PortsAndPrinters.h"
#include "ui/WholeFile.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>

using namespace line_window_text;

QLayout* LineWindow::buildReportBar() {
    auto* bar = new QHBoxLayout;
    const auto chosen = [this](const char* filter, const char* suffix) {
        QString path = QFileDialog::getSaveFileName(this, windowTitle(), folder_->text(),
                                                    QString::fromUtf8(filter));
        if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
            path += suffix;
        return path;
    };
    addLineButton(*bar, kSaveCsv, [this, chosen] {
        if (const QString path = chosen(kCsvFilter, ".csv"); !path.isEmpty())
            saveCsv(path);
    });
    addLineButton(*bar, kSavePdf, [this, chosen] {
        if (const QString path = chosen(kPdfFilter, ".pdf"); !path.isEmpty())
            savePdf(path);
    });
    addLineButton(*bar, kSaveProtocols, [this, chosen] {
        if (!haveFolder())
            return;
        if (const QString path = chosen(kPdfFilter, ".pdf"); !path.isEmpty())
            saveProtocols(path);
    });
    addLineButton(*bar, kPrintReport, [this] {
        PrintingSystem& printing = portsAndPrinters();
        if (const auto printer = printing.newPrinter(); printer && printing.choose(*printer, this))
            PrintLineReport(reportHtml(), *printer);
    });
    bar->addStretch();
    return bar;
}

bool LineWindow::writeFile(const QString& path, const QByteArray& bytes) {
    QString error;
    if (!WriteWholeFile(path, bytes, error)) {
        state_->setText(path + ": " + error);
        return false;
    }
    state_->setText(QString::fromUtf8(kSaved).arg(path));
    return true;
}

bool LineWindow::saveCsv(const QString& path) {
    return writeFile(path, LineTableCsv(model_));
}

bool LineWindow::savePdf(const QString& path) {
    return writeFile(path, LineReportPdf(reportHtml()));
}

bool LineWindow::saveProtocols(const QString& path) {
    std::vector<int> addresses;
    for (const SurveyRow& row : devices(false))
        addresses.push_back(row.address);
    const QByteArray pdf = protocolsPdf ? protocolsPdf(folder_->text(), addresses) : QByteArray();
    if (pdf.isEmpty()) {
        state_->setText(QString::fromUtf8(kNoProtocols));
        return false;
    }
    return writeFile(path, pdf);
}

QString LineWindow::reportHtml() const {
    const WallTime now = access_.clock.wallNow();
    const QString date = QStringLiteral("%1.%2.%3 %4:%5")
                             .arg(now.day, 2, 10, QLatin1Char('0'))
                             .arg(now.month, 2, 10, QLatin1Char('0'))
                             .arg(now.year)
                             .arg(now.hour, 2, 10, QLatin1Char('0'))
                             .arg(now.minute, 2, 10, QLatin1Char('0'));
    return LineReportHtml(
        model_, {date, QString::fromStdString(access_.settings.PortName), folder_->text()});
}
