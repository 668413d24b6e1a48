#include "editor/SchemeKeys.h"

#include <Qt>

#include <algorithm>

namespace {
constexpr int kPageStep = 400;
}

KeyScroll SchemeKeyScroll(int key, int position, int maximum) {
    auto to = [&](int target) { return KeyScroll{true, std::clamp(target, 0, maximum)}; };
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        return to(position - kPageStep);
    case Qt::Key_PageDown:
    case Qt::Key_Down:
        return to(position + kPageStep);
    case Qt::Key_Home:
        return to(0);
    case Qt::Key_End:
        return to(maximum);
    case Qt::Key_Left:
    case Qt::Key_Right:
        return {true, position};
    default:
        return {false, position};
    }
}
