#pragma once

#include "editor/SchemeView.h"

class QPainter;
class QRect;

// Paints the part `area` of the scheme (scheme pixels) with its top-left corner at the
// painter's origin, enlarged by `scale`. The screen, the printout and picture exports
// all go through here.
void paintScheme(QPainter& painter, const SchemeView& view, double scale, const QRect& area);
