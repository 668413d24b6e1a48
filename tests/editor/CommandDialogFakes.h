#pragma once

#include "editor/FunctionBlockCommand.h"
#include "editor/OutputsCommand.h"

#include <functional>
#include <vector>

// Dialogs that remember what they were shown and play the operator's part.
template <class Dialog, class Data> struct PlayedDialog : Dialog {
    void exec(Data& data) override {
        shown.push_back(data);
        if (play)
            play(data);
    }
    std::function<void(Data&)> play;
    std::vector<Data> shown;
};

using FakeOutputsDialog = PlayedDialog<OutputsDialog, OutputsDialogData>;
using FakeFbDialog = PlayedDialog<FbDialog, FbDialogData>;
