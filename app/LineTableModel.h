#pragma once

#include "device/DeviceClock.h"
#include "line/LineSurvey.h"
#include "ui/Clock.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <optional>
#include <vector>

// One address of the line window's table: what the survey heard there and,
// for a device that told its code, its clock as read after the survey.
struct LineTableRow {
    SurveyRow survey;
    std::optional<DeviceTime> clock;
    std::optional<std::int64_t> driftSeconds; // device − computer
    // Against its file in the backup folder: "совпадает", "отличается", "нет
    // файла", or what kept the device from being read; empty while unknown.
    QString verdict;
    std::vector<std::string> differences; // device → file, one line per field
};

// The model name of a surveyed device as on its plate ("ВИЛ-3-2408 К"); the
// bare code ("24-43") for a code the program does not know; empty when the
// answer told none.
QString ModelNameOf(const SurveyRow& row);
// How far the device's clock runs ahead of the computer's (negative: behind),
// in seconds, the device's date taken in the year nearest the computer's;
// nothing for a date that does not exist.
std::optional<std::int64_t> ClockDrift(const DeviceTime& device, const WallTime& computer);

// The rows of the line window, one per address asked, in the order they were
// settled. Display texts for the view; Qt::UserRole gives a key that sorts
// numbers as numbers and rows without a value last.
class LineTableModel : public QAbstractTableModel {
public:
    enum Column { Address, Model, Status, DeviceClock, Drift, File, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void addRow(const SurveyRow& row);
    // The clock read from the device at the address, and the computer's time
    // when it answered.
    void setClock(int address, const DeviceTime& time, const WallTime& computer);
    // The row of the address against its file.
    void setVerdict(int address, const QString& verdict, std::vector<std::string> differences = {});
    const std::vector<LineTableRow>& rows() const { return rows_; }
    // The model row of the address; -1 when it has none.
    int rowOf(int address) const;

    // The rows given (model rows), one line each with its columns
    // tab-separated, under a line of headings: for the clipboard.
    QString rowsAsText(const std::vector<int>& modelRows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const LineTableRow& row, int column) const;
    QVariant sortKey(const LineTableRow& row, int column) const;

    std::vector<LineTableRow> rows_;
};
