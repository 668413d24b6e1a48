#pragma once

#include "editor/DifferenceMarks.h"
#include "editor/SchemeSession.h"
#include "files/SchemeFile.h"

#include <string>
#include <vector>

// One difference, in the words of `vil3k-tool diff` ("вход 5: задержка 10 с →
// 20 с"), with the place on the scheme it belongs to.
struct DifferenceLine {
    std::string text;
    SchemePlace place;
    friend bool operator==(const DifferenceLine&, const DifferenceLine&) = default;
};

// The differences from `other` (a device, a file) to the scheme on screen, in
// the tool's order, then, when `withNames`, the names of the inputs and
// outputs. Places are rows and output lines of the scheme on screen; schemes of
// two codes differ in the code alone. Both must carry one of the fourteen codes.
std::vector<DifferenceLine> DiffSchemes(const SchemeSnapshot& other, const SchemeSnapshot& screen,
                                        bool withNames);

// A scheme as the file of it would hold it: code, image, device byte and names.
SchemeFileData SchemeDataOf(const SchemeSnapshot& scheme);
