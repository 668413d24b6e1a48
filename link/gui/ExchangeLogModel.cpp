#include "link/gui/ExchangeLogModel.h"

#include "link/LinkTexts.h"

#include <QBrush>
#include <QColor>

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QVariant TroubleColour(FrameTrouble trouble) {
    switch (trouble) {
    case FrameTrouble::Timeout:
        return QBrush(QColor(200, 0, 0));
    case FrameTrouble::BadCrc:
        return QBrush(QColor(170, 0, 170));
    case FrameTrouble::Failure:
        return QBrush(QColor(176, 80, 0));
    case FrameTrouble::Dropped:
        return QBrush(QColor(110, 110, 110));
    case FrameTrouble::None:
        break;
    }
    return {};
}

} // namespace

ExchangeLogModel::ExchangeLogModel(ExchangeLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log), seen_(log.firstNumber()) {
    catchUp();
}

bool ExchangeLogModel::listed(const LinkFrame& frame) const {
    // A lost port concerns every device.
    return address_ == kEveryAddress || frame.address == address_ ||
           frame.direction == FrameDirection::PortLost;
}

void ExchangeLogModel::catchUp() {
    const std::uint64_t first = log_.firstNumber();
    std::size_t gone = 0;
    while (gone < rows_.size() && rows_[gone] < first)
        ++gone;
    if (gone > 0) {
        beginRemoveRows({}, 0, static_cast<int>(gone) - 1);
        rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(gone));
        endRemoveRows();
    }
    std::vector<std::uint64_t> fresh;
    for (std::uint64_t n = std::max(seen_, first); n < log_.endNumber(); ++n)
        if (listed(log_.frame(n)))
            fresh.push_back(n);
    seen_ = log_.endNumber();
    if (fresh.empty())
        return;
    const int end = rowCount();
    beginInsertRows({}, end, end + static_cast<int>(fresh.size()) - 1);
    rows_.insert(rows_.end(), fresh.begin(), fresh.end());
    endInsertRows();
}

void ExchangeLogModel::setAddressFilter(int address) {
    beginResetModel();
    address_ = address;
    rows_.clear();
    seen_ = log_.firstNumber();
    endResetModel();
    catchUp();
}

int ExchangeLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ExchangeLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

const FrameColumns& ExchangeLogModel::columnsAt(int row) const {
    const std::uint64_t number = rows_[static_cast<std::size_t>(row)];
    if (number != columnsOf_) {
        columns_ = ColumnsOf(log_.frame(number));
        columnsOf_ = number;
    }
    return columns_;
}

QVariant ExchangeLogModel::data(const QModelIndex& index, int role) const {
    // A frame the ring has let go shows nothing until its row leaves.
    if (!index.isValid() || index.row() >= rowCount() ||
        rows_[static_cast<std::size_t>(index.row())] < log_.firstNumber())
        return {};
    const LinkFrame& frame = frameAt(index.row());
    switch (role) {
    case Qt::ForegroundRole:
        return TroubleColour(TroubleOf(frame));
    case Qt::BackgroundRole:
        // A repeated attempt stands out whatever its outcome.
        return frame.attempt > 1 ? QVariant(QBrush(QColor(255, 236, 179))) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Length ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        // A long frame is folded in its row and shown whole here.
        if (index.column() == Bytes && columnsAt(index.row()).hex.size() > 1) {
            QStringList lines;
            for (const std::string& line : columnsAt(index.row()).hex)
                lines << Text(line);
            return lines.join('\n');
        }
        // So is a reason longer than its column (a lost port).
        if (index.column() == Result)
            return Text(columnsAt(index.row()).result);
        return {};
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    const FrameColumns& c = columnsAt(index.row());
    switch (static_cast<Column>(index.column())) {
    case Time:
        return Text(c.time);
    case Direction:
        return Text(c.direction);
    case Address:
        return Text(c.address);
    case Function:
        return Text(c.function);
    case Meaning:
        return Text(c.meaning);
    case Length:
        return Text(c.length);
    case Attempt:
        return Text(c.attempt);
    case Result:
        return Text(c.result);
    case Bytes:
        return Text(c.hex.empty() ? std::string() : c.hex.front()) +
               (c.hex.size() > 1 ? QString::fromUtf8(link_text::kTextFolded) : QString());
    }
    return {};
}

QVariant ExchangeLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount)
        return {};
    return QString::fromUtf8(link_text::kLogColumns[section]);
}
