#include "app/LineReport.h"

#include "app/LineWindowTexts.h"
#include "line/AddressRanges.h"
#include "line/ConfigFiles.h"
#include "line/ConfigListing.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <numeric>

using namespace line_window_text;

namespace {

QString CsvField(QString text) {
    if (!text.contains(';') && !text.contains('"') && !text.contains('\n'))
        return text;
    return '"' + text.replace('"', "\"\"") + '"';
}

QString Cell(const LineTableModel& table, int row, int column) {
    return table.data(table.index(row, column), Qt::DisplayRole).toString();
}

// The model rows in address order (the table keeps them as they settled).
std::vector<int> ByAddress(const LineTableModel& table) {
    std::vector<int> rows(static_cast<std::size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(), [&table](int a, int b) {
        return table.rows()[static_cast<std::size_t>(a)].survey.address <
               table.rows()[static_cast<std::size_t>(b)].survey.address;
    });
    return rows;
}

} // namespace

QByteArray LineTableCsv(const LineTableModel& table) {
    QStringList lines;
    QStringList heads;
    for (int column = 0; column < LineTableModel::ColumnCount; ++column)
        heads << CsvField(table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    lines << heads.join(';');
    for (const int row : ByAddress(table)) {
        QStringList cells;
        for (int column = 0; column < LineTableModel::ColumnCount; ++column)
            cells << CsvField(Cell(table, row, column));
        lines << cells.join(';');
    }
    return "\xEF\xBB\xBF" + (lines.join("\r\n") + "\r\n").toUtf8();
}

QString LineReportHtml(const LineTableModel& table, const LineReportData& data) {
    QString html = "<h2>" + QString::fromUtf8(kReportTitle).toHtmlEscaped() + "</h2><p>" +
                   QString::fromUtf8(kReportDate).toHtmlEscaped() + data.date.toHtmlEscaped() +
                   "<br>" + QString::fromUtf8(kReportPort).toHtmlEscaped() +
                   data.port.toHtmlEscaped();
    if (!data.folder.isEmpty())
        html +=
            "<br>" + QString::fromUtf8(kReportFolder).toHtmlEscaped() + data.folder.toHtmlEscaped();
    html += "</p><table border=1 cellspacing=0 cellpadding=3><tr>";
    for (int column = 0; column < LineTableModel::ColumnCount; ++column)
        html +=
            "<th>" +
            table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped() +
            "</th>";
    html += "</tr>";
    // The devices heard, one row each; the addresses where nobody answered
    // in one row under them.
    std::vector<int> empty;
    for (const int row : ByAddress(table)) {
        if (!table.rows()[static_cast<std::size_t>(row)].survey.heard()) {
            empty.push_back(table.rows()[static_cast<std::size_t>(row)].survey.address);
            continue;
        }
        html += "<tr>";
        for (int column = 0; column < LineTableModel::ColumnCount; ++column)
            html += "<td>" + Cell(table, row, column).toHtmlEscaped() + "</td>";
        html += "</tr>";
    }
    if (!empty.empty())
        html += "<tr><td colspan=" + QString::number(LineTableModel::ColumnCount) + ">" +
                QString::fromUtf8(kReportEmptyAddresses)
                    .arg(empty.size())
                    .arg(QString::fromStdString(AddressRangesText(empty)))
                    .toHtmlEscaped() +
                "</td></tr>";
    html += "</table>";
    if (data.folder.isEmpty())
        return html;
    for (const int at : ByAddress(table)) {
        const LineTableRow& row = table.rows()[static_cast<std::size_t>(at)];
        const std::string path = DevicePath(data.folder.toStdString(), row.survey.address);
        if (!row.survey.heard() || !FileExists(path))
            continue;
        std::string error;
        const auto scheme = LoadConfiguration(path, -1, -1, error);
        html += "<h3 style=\"page-break-before: always\">" +
                QString::fromUtf8(kRestoreDevice).toHtmlEscaped() +
                QString::number(row.survey.address) + " &mdash; " +
                QString::fromStdString(Shown(path)).toHtmlEscaped() +
                "</h3><pre style=\"white-space: pre-wrap\">" +
                QString::fromStdString(scheme ? ListingText(*scheme) : error).toHtmlEscaped() +
                "</pre>";
    }
    return html;
}

QByteArray LineReportPdf(const QString& html) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(QString::fromUtf8(kReportTitle));
        QTextDocument document;
        document.setHtml(html);
        document.setPageSize(QSizeF(writer.width(), writer.height()));
        QFont font = document.defaultFont();
        font.setPointSizeF(font.pointSizeF() * 300 / 96);
        document.setDefaultFont(font);
        document.print(&writer);
    }
    return bytes;
}

void PrintLineReport(const QString& html, QPagedPaintDevice& printer) {
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}
