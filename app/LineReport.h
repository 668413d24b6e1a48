#pragma once

#include "app/LineTableModel.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// What the line window hands over for sign-off: the table as a CSV file and
// a commissioning report (the line's table with date, port and verdicts,
// then the listing of each device's backup file).

// Headings and rows, ';' between fields (quoted where needed), UTF-8 with a
// byte-order mark so that spreadsheet programs read the Cyrillic as such.
QByteArray LineTableCsv(const LineTableModel& table);

struct LineReportData {
    QString date; // "07.12.2026 23:05"
    QString port;
    QString folder; // the backup folder; empty when none was chosen
};

// The report as a rich-text document: the table of the devices heard, the
// addresses where nobody answered summed up in one row, then each device
// found listed from its backup file, when there is one.
QString LineReportHtml(const LineTableModel& table, const LineReportData& data);
// The report on A4 pages as PDF bytes.
QByteArray LineReportPdf(const QString& html);
void PrintLineReport(const QString& html, QPagedPaintDevice& printer);
