#include "app/DifferencesPane.h"

#include "app/AppTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QVBoxLayout>

namespace {

constexpr int kPlaceKindRole = Qt::UserRole;
constexpr int kPlaceIndexRole = Qt::UserRole + 1;
// The scheme keeps most of the window: a few lines show, the rest scroll.
constexpr int kPaneHeight = 150;
constexpr int kPaneMinimum = 90;

} // namespace

void ListDifferences(QListWidget& list, const std::vector<DifferenceLine>& lines) {
    list.clear();
    for (const DifferenceLine& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.text), &list);
        item->setData(kPlaceKindRole, static_cast<int>(line.place.kind));
        item->setData(kPlaceIndexRole, line.place.index);
    }
}

SchemePlace PlaceOfItem(const QListWidgetItem& item) {
    return {static_cast<SchemePlace::Kind>(item.data(kPlaceKindRole).toInt()),
            item.data(kPlaceIndexRole).toInt()};
}

DifferencesPane::DifferencesPane(QWidget* parent)
    : QDockWidget(QString::fromUtf8(app_text::kTitleDifferences), parent) {
    setObjectName("differencesPane");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(6, 2, 6, 4);
    heading_ = new QLabel(body);
    heading_->setObjectName("differencesHeading");
    list_ = new QListWidget(body);
    list_->setObjectName("differencesList");
    note_ = new QLabel(body);
    note_->setObjectName("differencesNote");
    layout->addWidget(heading_);
    layout->addWidget(list_);
    layout->addWidget(note_);
    setWidget(body);
    body->setMinimumHeight(kPaneMinimum);
    auto choose = [this](QListWidgetItem* item) {
        if (chosen_)
            chosen_(PlaceOfItem(*item));
    };
    connect(list_, &QListWidget::itemClicked, this, choose);
    connect(list_, &QListWidget::itemActivated, this, choose);
}

void DifferencesPane::present(const DifferenceReport& report) {
    heading_->setText(report.heading);
    ListDifferences(*list_, report.lines);
    note_->setText(report.note);
    note_->setVisible(!report.note.isEmpty());
    const bool first = isHidden();
    show();
    raise();
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (first && window != nullptr)
        window->resizeDocks({this}, {kPaneHeight}, Qt::Vertical);
}
