#pragma once

#include "files/SchemeFile.h"

#include <optional>
#include <string>

// A configuration from disk: a ".vil" scheme file, or a bare device image of
// 250 bytes (251: the simulator's dump, the address after the image). An image
// carries no execution code: it takes codeFirst/codeSecond, and is refused
// without one. Nothing, with one line in `error`, when the file is unusable.
std::optional<SchemeFileData> LoadConfiguration(const std::string& path, int codeFirst,
                                                int codeSecond, std::string& error);

// A scheme file to write into a device; refused, as the window's open command
// refuses it, when its device number is one no device can answer at.
std::optional<SchemeFileData> LoadSchemeForDevice(const std::string& path, std::string& error);

// True when the file at path is a bare image rather than a scheme file.
bool IsBareImage(const std::string& path);
