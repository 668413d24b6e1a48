#include "app/HeaderFlow.h"

#include <QWidget>

#include <algorithm>

namespace {

// The header's margin at its edges and between two groups of a band.
constexpr int kMargin = 8;
// The header as designed is this high: its single band keeps it.
constexpr int kDesignedHeight = 77;

} // namespace

void HeaderFlow::addGroup(const std::vector<QWidget*>& controls) {
    Group group;
    group.left = controls.front()->x();
    for (QWidget* widget : controls) {
        group.controls.push_back({widget, widget->pos()});
        group.left = std::min(group.left, widget->x());
        group.right = std::max(group.right, widget->x() + widget->width());
        group.bottom = std::max(group.bottom, widget->y() + widget->height());
    }
    groups_.push_back(group);
}

int HeaderFlow::arrange(int width) {
    int bandTop = 0;    // how far the current band lies below the designed one
    int bandBottom = 0; // the lowest edge of the groups placed in it
    int x = 0;          // where the next group of a wrapped band starts
    bool wrapped = false;
    for (const Group& group : groups_) {
        int shift = 0;
        if (wrapped || group.right > width) {
            const int groupWidth = group.right - group.left;
            if (!wrapped || x + groupWidth + kMargin > width) {
                // A new band: the groups' own top margin parts it from the one above.
                bandTop += bandBottom;
                bandBottom = 0;
                x = kMargin;
            }
            wrapped = true;
            shift = x - group.left;
            x += groupWidth + kMargin;
        }
        for (const Control& control : group.controls)
            control.widget->move(control.designed + QPoint(shift, bandTop));
        bandBottom = std::max(bandBottom, group.bottom);
    }
    return wrapped ? bandTop + bandBottom + kMargin / 2 : kDesignedHeight;
}
