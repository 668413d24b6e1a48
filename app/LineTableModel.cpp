#include "app/LineTableModel.h"

#include "app/LineWindowTexts.h"
#include "device/NewScheme.h"
#include "line/LineRows.h"

#include <QDateTime>

#include <cstdlib>
#include <limits>

using namespace line_window_text;

QString ModelNameOf(const SurveyRow& row) {
    if (!row.coded())
        return {};
    for (const NamedExecCode& code : NamedExecCodes())
        if (code.first == row.first && code.second == row.second)
            return QString::fromStdString(code.name);
    return QStringLiteral("%1-%2")
        .arg(row.first, 2, 10, QLatin1Char('0'))
        .arg(row.second, 2, 10, QLatin1Char('0'));
}

std::optional<std::int64_t> ClockDrift(const DeviceTime& device, const WallTime& computer) {
    const QTime deviceTime(device.hour, device.minute, device.second);
    const QDateTime now(QDate(computer.year, computer.month, computer.day),
                        QTime(computer.hour, computer.minute, computer.second));
    // The device keeps no year: its date is taken in the year that puts it nearest
    // the computer's, so a clock a second behind at New Year is not a year behind.
    std::optional<std::int64_t> nearest;
    for (const int year : {computer.year - 1, computer.year, computer.year + 1}) {
        const QDate deviceDate(year, device.month, device.day);
        if (!deviceDate.isValid() || !deviceTime.isValid())
            continue;
        const std::int64_t drift = now.secsTo(QDateTime(deviceDate, deviceTime));
        if (!nearest || std::llabs(drift) < std::llabs(*nearest))
            nearest = drift;
    }
    return nearest;
}

void LineTableModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void LineTableModel::addRow(const SurveyRow& row) {
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back({row, std::nullopt, std::nullopt, {}, {}});
    endInsertRows();
}

int LineTableModel::rowOf(int address) const {
    for (std::size_t at = 0; at < rows_.size(); ++at)
        if (rows_[at].survey.address == address)
            return static_cast<int>(at);
    return -1;
}

void LineTableModel::setClock(int address, const DeviceTime& time, const WallTime& computer) {
    const int row = rowOf(address);
    if (row < 0)
        return;
    LineTableRow& changed = rows_[static_cast<std::size_t>(row)];
    changed.clock = time;
    changed.driftSeconds = ClockDrift(time, computer);
    emit dataChanged(index(row, DeviceClock), index(row, Drift));
}

void LineTableModel::setVerdict(int address, const QString& verdict,
                                std::vector<std::string> differences) {
    const int row = rowOf(address);
    if (row < 0)
        return;
    LineTableRow& changed = rows_[static_cast<std::size_t>(row)];
    changed.verdict = verdict;
    changed.differences = std::move(differences);
    emit dataChanged(index(row, File), index(row, File));
}

QString LineTableModel::rowsAsText(const std::vector<int>& modelRows) const {
    QStringList lines;
    QStringList heads;
    for (int column = 0; column < ColumnCount; ++column)
        heads << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << heads.join('\t');
    for (const int row : modelRows) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << text(rows_.at(static_cast<std::size_t>(row)), column);
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

int LineTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LineTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LineTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LineTableRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return text(row, index.column());
    if (role == Qt::UserRole)
        return sortKey(row, index.column());
    // A reason may be longer than its column.
    if (role == Qt::ToolTipRole && (index.column() == Status || index.column() == File))
        return text(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() != Model && index.column() != Status &&
        index.column() != File)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LineTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeads[ColumnCount] = {kColumnAddress, kColumnModel, kColumnStatus,
                                                    kColumnClock,   kColumnDrift, kColumnFile};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(kHeads[section]) : QString();
}

QString LineTableModel::text(const LineTableRow& row, int column) const {
    switch (column) {
    case Address:
        return QString::number(row.survey.address);
    case Model:
        return ModelNameOf(row.survey);
    case Status: {
        QString word = QString::fromUtf8(row.survey.word());
        if (row.survey.coded() && row.survey.status > 0 && row.survey.status < 256)
            word += QStringLiteral(" (%1%2)").arg(kStatusByte).arg(row.survey.status);
        return word;
    }
    case DeviceClock:
        return row.clock ? QString::fromStdString(ClockTimeText(*row.clock) + " " +
                                                  ClockDateText(*row.clock))
                         : QString();
    case Drift:
        return row.driftSeconds ? QString::number(*row.driftSeconds) : QString();
    case File:
        return row.verdict;
    default:
        return {};
    }
}

QVariant LineTableModel::sortKey(const LineTableRow& row, int column) const {
    constexpr auto kLast = std::numeric_limits<qint64>::max();
    switch (column) {
    case Address:
        return row.survey.address;
    case Status:
        return static_cast<int>(row.survey.outcome());
    case DeviceClock:
        return row.clock
                   ? qint64{((row.clock->month * 32 + row.clock->day) * 24 + row.clock->hour) *
                                3600 +
                            row.clock->minute * 60 + row.clock->second}
                   : kLast;
    case Drift:
        return row.driftSeconds ? qint64{*row.driftSeconds} : kLast;
    default:
        return text(row, column);
    }
}
