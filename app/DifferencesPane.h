#pragma once

#include "line/SchemeDifferences.h"

#include <QDockWidget>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

// What a comparison found: which two schemes, one line per difference, and a
// note on what was not compared (empty: none).
struct DifferenceReport {
    QString heading;
    std::vector<DifferenceLine> lines;
    QString note;
};

// Fills a list with the lines of a report; each item keeps its place.
void ListDifferences(QListWidget& list, const std::vector<DifferenceLine>& lines);
SchemePlace PlaceOfItem(const QListWidgetItem& item);

// The pane under the scheme that lists the differences of the last comparison.
// A click on a line (or Enter on it) hands its place to the window.
class DifferencesPane : public QDockWidget {
public:
    explicit DifferencesPane(QWidget* parent);

    void present(const DifferenceReport& report);
    void onPlaceChosen(std::function<void(SchemePlace)> chosen) { chosen_ = std::move(chosen); }

    QListWidget& list() { return *list_; }
    QLabel& heading() { return *heading_; }
    QLabel& note() { return *note_; }

private:
    QLabel* heading_;
    QListWidget* list_;
    QLabel* note_;
    std::function<void(SchemePlace)> chosen_;
};
