#pragma once

#include "sim/SimulatedDevice.h"

#include <string>
#include <vector>

// Command line of vil3k-sim.
struct SimOptions {
    std::string linkPath; // --link: a symlink to the pseudo-terminal
    std::string filePath; // --file: a ".vil" file to take code and image from
    std::string dumpPath; // --dump: image and address written after every image write
    int first = -1;       // --code F-S
    int second = -1;
    int address = -1; // --address N (1..31)
    int idleTimeoutS = 600;
    int baud = 0; // --baud: pace answers at this line speed; 0 = at once
    SimFaults faults;
};

extern const char* const kSimUsage;

// false with a reason in error when the arguments make no sense.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// Gives the device its code, image and address from the options.
bool ApplySimOptions(const SimOptions& options, SimulatedDevice& device, std::string& error);

// The dump file: 250 image bytes, then the address.
std::vector<std::uint8_t> SimDump(const SimulatedDevice& device);
