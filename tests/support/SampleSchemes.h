#pragma once

#include "editor/SchemeSession.h"

#include <vector>

// Sample configurations for looking at the scheme without files or a device.

// Fills the records of the current layout (after CreateScheme): signalling, delays,
// outputs with interlock, included inputs, and `blocks` function blocks (1..13) with
// inverted and block-fed inputs.
void FillSampleRecords(ConfigurationModel& model, int blocks = 5);

// A scheme for the code as a load would leave it: CreateScheme, the sample records
// packed into the image and loaded back, and names on the inputs and outputs.
void BuildSampleScheme(SchemeSession& session, int first, int second, int blocks = 5);

// The same with only the blocks numbered (1..13) in `numbers` in use, as deleting the
// others leaves the scheme: inputs fed by a deleted block are left unconnected.
void BuildSampleSchemeWithBlocks(SchemeSession& session, int first, int second,
                                 const std::vector<int>& numbers);
