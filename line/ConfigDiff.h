#pragma once

#include "files/SchemeFile.h"

#include <string>
#include <vector>

// The differences between two configurations in words, one line per field:
// "вход 5: задержка 10 с → 20 с", "ФБ 2: тип И → ИЛИ". Names are not part of a
// configuration (they never reach the device) and are not compared. A block
// on one side only, or of another type on each side, has every field listed
// ("ФБ 5: таймер импульс → —"). Two
// different execution codes give the code line only: their images do not lay
// out the same fields. Bytes that differ outside every field (the zero gap,
// unused bits) are named by offset, so no difference goes unreported.
// Both sides must carry one of the fourteen codes; empty when equal.
std::vector<std::string> DiffConfigurations(const SchemeFileData& before,
                                            const SchemeFileData& after);
