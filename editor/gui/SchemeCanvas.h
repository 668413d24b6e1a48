#pragma once

#include "editor/DifferenceMarks.h"
#include "editor/SchemeView.h"

#include <QWidget>

#include <optional>

// The scheme on screen: paints the view and reports the element under a click.
// It lives inside the main window's scrolling area.
class SchemeCanvas : public QWidget {
    Q_OBJECT
public:
    explicit SchemeCanvas(const SchemeView& view, QWidget* parent = nullptr);

    // Follows the visible groups: width of the scheme, height to the last visible group.
    void updateSize();
    // The scheme as a picture (for tests and exports), at the given scale.
    QImage render(double scale = 1.0) const;
    // Marks painted over the scheme on screen (never in a picture or on paper);
    // nullptr: none.
    void setDifferenceMarks(const DifferenceMarks* marks) { marks_ = marks; }

signals:
    // Mouse went down on an element (context help acts here).
    void elementPressed(ElementRef element);
    // Mouse went down and up on the same element.
    void elementClicked(ElementRef element);

protected:
    // Tooltips show the hint of the element under the mouse.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const SchemeView& view_;
    std::optional<ElementRef> pressed_;
    const DifferenceMarks* marks_ = nullptr;
};
