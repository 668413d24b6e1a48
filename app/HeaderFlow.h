#pragma once

#include <QPoint>

#include <vector>

class QWidget;

// The header's controls in groups (a label with its field, the buttons of one
// task), placed as designed while the header is wide enough. In a narrower
// window the groups that would end past its edge wrap, in order, onto bands
// below, each group keeping the places of its controls within it, so that
// every control stays in view without a sideways scroll bar.
class HeaderFlow {
public:
    // The controls, at their designed places, of one group, left to right.
    void addGroup(const std::vector<QWidget*>& controls);
    // Places the groups within the width; the height the header then takes.
    int arrange(int width);

private:
    struct Control {
        QWidget* widget;
        QPoint designed;
    };
    struct Group {
        std::vector<Control> controls;
        int left = 0;
        int right = 0;  // one past the last pixel
        int bottom = 0; // one past the last pixel
    };
    std::vector<Group> groups_;
};
