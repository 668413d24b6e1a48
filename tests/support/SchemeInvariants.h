#pragma once

#include "editor/SchemeView.h"

#include <string>
#include <vector>

// What the editor promises about a scheme, checked against its records and its
// view; each broken promise is one line of the result.
std::vector<std::string> BlockRecordFaults(const TProgVilClass& model);
std::vector<std::string> BlockWiringFaults(const SchemeView& view);
std::vector<std::string> OutputWiringFaults(const SchemeView& view);
