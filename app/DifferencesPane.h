#pragma once

#include "app/DifferenceReportView.h"

#include <QDockWidget>

#include <functional>

// The pane under the scheme that lists the differences of the last comparison.
// A click on a line (or Enter on it) hands its place to the window.
class DifferencesPane : public QDockWidget {
public:
    explicit DifferencesPane(QWidget* parent);

    void present(const DifferenceReport& report);
    void onPlaceChosen(std::function<void(SchemePlace)> chosen) { chosen_ = std::move(chosen); }

    QListWidget& list() { return view_->list(); }
    QLabel& heading() { return view_->heading(); }
    QLabel& note() { return view_->note(); }

private:
    DifferenceReportView* view_;
    std::function<void(SchemePlace)> chosen_;
};
