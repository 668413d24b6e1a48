#include "app/DifferenceReportView.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPlaceKindRole = Qt::UserRole;
constexpr int kPlaceIndexRole = Qt::UserRole + 1;

} // namespace

DifferenceReportView::DifferenceReportView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    heading_ = new QLabel(this);
    heading_->setObjectName("differenceHeading");
    heading_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName("differenceList");
    // A line wider than the list wraps: a sideways scroll bar would cover
    // the last line, and a cut line would hide the value to be written.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note_ = new QLabel(this);
    note_->setObjectName("differenceNote");
    note_->setWordWrap(true);
    layout->addWidget(heading_);
    layout->addWidget(list_);
    layout->addWidget(note_);
}

void DifferenceReportView::present(const DifferenceReport& report) {
    heading_->setText(report.heading);
    list_->clear();
    for (const DifferenceLine& line : report.lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.text), list_);
        item->setData(kPlaceKindRole, static_cast<int>(line.place.kind));
        item->setData(kPlaceIndexRole, line.place.index);
    }
    note_->setText(report.note);
    note_->setVisible(!report.note.isEmpty());
}

SchemePlace DifferenceReportView::placeOf(const QListWidgetItem& item) {
    return {static_cast<SchemePlace::Kind>(item.data(kPlaceKindRole).toInt()),
            item.data(kPlaceIndexRole).toInt()};
}
