#pragma once

#include "editor/SchemeCreation.h"
#include "editor/SchemeView.h"
#include "support/FakeMessages.h"

// A model with its scheme view, as the main window holds them.
struct SchemeFixture {
    FakeMessages messages;
    TProgVilClass model{messages};
    SchemeView view{model};
    SchemeCreation creation{model, view, messages};

    void create(int first, int second) {
        model.SetExecFirst(first);
        model.SetExecSecond(second);
        creation.CreateScheme();
    }
    bool visible(Family family, int index) const { return view.at(family, index).visible; }
    // x of the right end of a row line (the left edge of what it runs to).
    int lineEnd(int row) const { return view.at(Family::Sm, row).rect.right() - 1; }
};
