#pragma once

#include "editor/SchemeView.h"

#include <string>
#include <vector>

// What the editor promises about a scheme, checked against its records and its
// view; each broken promise is one line of the result.
// Block records, the block count, and interlock only on rows with outputs.
std::vector<std::string> BlockRecordFaults(const ConfigurationModel& model);
// Each light-panel cell is held by one row at most.
std::vector<std::string> CellFaults(const ConfigurationModel& model);
std::vector<std::string> BlockWiringFaults(const SchemeView& view);
std::vector<std::string> OutputWiringFaults(const SchemeView& view);
