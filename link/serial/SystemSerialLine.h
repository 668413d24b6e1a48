#pragma once

#include "link/PortList.h"
#include "link/SerialLine.h"

#include <memory>
#include <vector>

// The serial line and the port list of the platform the program is built for: on
// QSerialPort on Linux (QtSerialLine.cpp), on the Win32 communications API on Windows
// (Win32SerialLine.cpp, Win32PortList.cpp); the build takes one pair.

// A closed line on this computer's ports.
std::unique_ptr<SerialLine> NewSystemSerialLine();

// The ports of this computer, with VIL3K_PORTS applied.
std::vector<PortEntry> SystemPortList();
