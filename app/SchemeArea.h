#pragma once

#include <QWidget>

// The main window's central widget: the header strip over the scheme. Its size
// hint is the default layout, so the window's default size is that plus the
// menus and the status bar.
class SchemeArea : public QWidget {
public:
    SchemeArea(QWidget* parent, QSize defaultSize) : QWidget(parent), defaultSize_(defaultSize) {}
    QSize sizeHint() const override { return defaultSize_; }

private:
    QSize defaultSize_;
};
