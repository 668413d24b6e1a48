#pragma once

#include "editor/SchemeView.h"

#include <functional>

class QPainter;
class QRect;

// Paints the part `area` of the scheme (scheme pixels) with its top-left corner at the
// painter's origin, enlarged by `scale`. The screen, the printout and picture exports
// all go through here. `afterElement`, when given, runs after each element is drawn (a long
// printout lets the window repaint there).
void paintScheme(QPainter& painter, const SchemeView& view, double scale, const QRect& area,
                 const std::function<void()>& afterElement = {});
