#pragma once

#include "support/SessionFixture.h"

// A model with its scheme view, as the main window holds them.
struct SchemeFixture : SessionFixture<> {
    void create(int first, int second) {
        model.ExecFirst = first;
        model.ExecSecond = second;
        creation.CreateScheme();
    }
    bool visible(Family family, int index) const { return view.at(family, index).visible; }
    // x of the right end of a row line (the left edge of what it runs to).
    int lineEnd(int row) const { return view.at(Family::RowLine, row).rect.right() - 1; }
};
