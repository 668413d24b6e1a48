#pragma once

#include "line/SchemeDifferences.h"

#include <QString>
#include <QWidget>

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

// A report shown: its heading, one list item per line (each keeping its place
// in the scheme), and its note when it has one.
class DifferenceReportView : public QWidget {
public:
    explicit DifferenceReportView(QWidget* parent);

    void present(const DifferenceReport& report);
    // The place of a line of the list.
    static SchemePlace placeOf(const QListWidgetItem& item);

    QListWidget& list() { return *list_; }
    QLabel& heading() { return *heading_; }
    QLabel& note() { return *note_; }

private:
    QLabel* heading_;
    QListWidget* list_;
    QLabel* note_;
};
