#pragma once

#include "model/ConfigurationModel.h"

#include <string>
#include <vector>

// Values a loaded image may hold that the editor never writes: delays above
// 60, light-panel cells past the panel or shared by two rows, inclusion bits
// past the channels, outputs past a module's count, block inputs naming a
// missing channel or block, hysteresis inputs 3..4 in use, a cell number on a
// row without signalling, interlock on a row without outputs. Such values are
// kept as they are; this lists them in words (UTF-8), one line each, in row
// order, so the engineer sees them before writing the configuration to a
// device. Runs on the model as a load leaves it (after ShowRecords).
std::vector<std::string> ListOutOfRangeValues(const ConfigurationModel& model);
