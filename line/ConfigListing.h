#pragma once

#include "files/SchemeFile.h"

#include <QByteArray>

#include <string>

// The listing of a scheme for commissioning: code, device number, external
// acknowledge; every input with its name and settings; the blocks in use;
// the output names. Text for people (UTF-8 lines), JSON with every field of
// every input and of all 13 blocks for scripts. Names missing from the data
// (a device image) are listed blank.
std::string ListingText(const SchemeFileData& data);
QByteArray ListingJson(const SchemeFileData& data);
