#pragma once

#include "link/ExchangeLog.h"

#include <QTimer>
#include <QWidget>

class ExchangeLogModel;
class QLabel;
class QTableView;

// "Журнал обмена": a window beside the main one that lists every frame of the
// device link as it goes, with pause, clear, copy, save and a filter by
// address. It stays usable while an exchange runs and never holds one up: it
// catches up with the log whenever its thread is free.
class ExchangeLogWindow : public QWidget {
    Q_OBJECT
public:
    ExchangeLogWindow(ExchangeLog& log, QWidget* parent);

    // Input for this window or a dialog it opened.
    bool takesInput(QObject* receiver) const;
    // The lines of the selected frames, or of every frame listed when none is
    // selected; each line ends in a line feed.
    QString listedText() const;
    // Writes every frame listed, selected or not, to path, whole or not at
    // all; false with the reason in error.
    bool saveTo(const QString& path, QString& error);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildList();
    void buildControls();
    void placeOnScreen();
    void scheduleRefresh();
    void refresh();
    void copy();
    void save();
    QString allText() const;
    QString linesOf(QList<int> rows) const;

    ExchangeLog& log_;
    ExchangeLogModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QTimer refreshTimer_;
};
