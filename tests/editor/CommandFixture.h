#pragma once

#include "SchemeFixture.h"
#include "editor/InputProcessing.h"
#include "editor/OutputDelays.h"
#include "editor/Signalling.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A dialog played by the test: remembers what it was shown and makes the
// operator's choice.
template <class Seam, class Data> struct FakeDialog : Seam {
    void exec(Data& data) override {
        shown = data;
        if (choose)
            choose(data);
    }
    std::optional<Data> shown;
    std::function<void(Data&)> choose;
};

// A scheme with the three commands on fake dialogs; the code fields show the
// code, as after creation in the window.
struct CommandFixture : SchemeFixture {
    FakeDialog<InclusionDialog, InclusionDialogData> inclusionDialog;
    FakeDialog<SignallingDialog, SignallingDialogData> signallingDialog;
    FakeDialog<DelayDialog, DelayDialogData> delayDialog;
    InputProcessing inputs{session, inclusionDialog};
    Signalling signalling{session, signallingDialog};
    OutputDelays delays{session, delayDialog};

    void createShown(int first, int second) {
        create(first, second);
        window.showExecCode(first, second);
    }
    void selectInput(int slot) {
        model.SelectedInput = slot;
        model.SelectedFb = -1;
    }
    void selectBlock(int block) {
        model.SelectedInput = -1;
        model.SelectedFb = block;
    }
    // A used AND block with an empty row.
    void addBlock(int block) {
        model.FunctionBlocks[block][0] = 1;
        ++model.UsedFbCount;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const MessageBox& box : messages.shown)
            all.push_back(box.text);
        return all;
    }
    std::string caption(Family family, int index) const {
        return view.at(family, index).caption.toStdString();
    }
};
