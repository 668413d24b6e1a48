#include "app/DifferencesPane.h"

#include "app/AppTexts.h"

#include <QLayout>
#include <QListWidget>
#include <QMainWindow>

namespace {

// The scheme keeps most of the window: a few lines show, the rest scroll.
constexpr int kPaneHeight = 150;
constexpr int kPaneMinimum = 90;

} // namespace

DifferencesPane::DifferencesPane(QWidget* parent)
    : QDockWidget(QString::fromUtf8(app_text::kTitleDifferences), parent) {
    setObjectName("differencesPane");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    view_ = new DifferenceReportView(this);
    view_->layout()->setContentsMargins(6, 2, 6, 4);
    view_->setMinimumHeight(kPaneMinimum);
    setWidget(view_);
    auto choose = [this](QListWidgetItem* item) {
        if (chosen_)
            chosen_(DifferenceReportView::placeOf(*item));
    };
    connect(&view_->list(), &QListWidget::itemClicked, this, choose);
    connect(&view_->list(), &QListWidget::itemActivated, this, choose);
}

void DifferencesPane::present(const DifferenceReport& report) {
    view_->present(report);
    const bool first = isHidden();
    show();
    raise();
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (first && window != nullptr)
        window->resizeDocks({this}, {kPaneHeight}, Qt::Vertical);
}
