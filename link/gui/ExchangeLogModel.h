#pragma once

#include "link/ExchangeLog.h"
#include "link/FrameText.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <deque>

// The frames of the exchange log as the log window lists them: one row a
// frame, those of one address or all. It follows the log only when told to
// catch up, so a burst of frames costs the window one update.
class ExchangeLogModel : public QAbstractTableModel {
public:
    enum Column { Time, Direction, Address, Function, Meaning, Length, Attempt, Result, Bytes };
    static constexpr int kColumnCount = Bytes + 1;
    static constexpr int kEveryAddress = -1;

    ExchangeLogModel(ExchangeLog& log, QObject* parent);

    // Rows of frames the log no longer keeps leave; new frames of the
    // address come.
    void catchUp();
    // Frames of exchanges with one address (0: sent to all), or kEveryAddress.
    void setAddressFilter(int address);
    const LinkFrame& frameAt(int row) const {
        return log_.frame(rows_[static_cast<std::size_t>(row)]);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool listed(const LinkFrame& frame) const;
    const FrameColumns& columnsAt(int row) const;

    ExchangeLog& log_;
    std::deque<std::uint64_t> rows_; // numbers of the frames listed, oldest first
    std::uint64_t seen_ = 0;         // frames before this one have been considered
    int address_ = kEveryAddress;
    // A view asks for every column of a row in turn: the row's texts are made once.
    mutable std::uint64_t columnsOf_ = UINT64_MAX;
    mutable FrameColumns columns_;
};
