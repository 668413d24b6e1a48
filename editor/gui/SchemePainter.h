#pragma once

#include "editor/SchemeView.h"

#include <QFont>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;
class QRect;

// A caption as it fits a box of a given width: in its own font, else a smaller
// one, else split over lines or shortened with "…".
struct FittedText {
    QFont font;
    QString text;
    int lines = 1;
};

// How an element's caption is drawn in a box width wide (scheme pixels) on
// device: a value or a list of outputs may go on two lines, a name or a
// caption is shortened when even the smaller font is too wide.
FittedText FitCaption(Family family, const Element& element, int width, QPaintDevice* device);

// Paints the part `area` of the scheme (scheme pixels) with its top-left corner at the
// painter's origin, enlarged by `scale`. The screen, the printout and picture exports
// all go through here. `afterElement`, when given, runs after each element is drawn (a long
// printout lets the window repaint there).
void paintScheme(QPainter& painter, const SchemeView& view, double scale, const QRect& area,
                 const std::function<void()>& afterElement = {});
