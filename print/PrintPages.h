#pragma once

#include "editor/SchemeView.h"

// One page of the printout as scheme data: a copy of the view with only what the page
// shows visible, the block bands of the page moved to its top, and the printed form of
// the output marks. `area` is the part to draw (scheme pixels), its top-left corner
// going just below the page header; it is also the page's silver background.
struct PrintedPage {
    SchemeView view;
    Rect area;
};

// Parts: 1 the input groups, 2 blocks 1..8, 3 blocks 9..13.
PrintedPage LayOutPage(const SchemeView& screen, int part);
