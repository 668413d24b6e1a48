#pragma once

#include "sim/SimulatedDevice.h"

#include <string>
#include <vector>

// One device of a multi-drop line (--device ADDRESS:CODE or ADDRESS:FILE.vil,
// either with an optional :STATUS for its identification status byte).
struct SimDeviceEntry {
    int address = 1;
    int first = -1; // code, when no file is given
    int second = -1;
    std::string filePath;
    int status = -1; // -1: the line's --status
};

// Command line of vil3k-sim.
struct SimOptions {
    std::string linkPath; // --link: a symlink to the pseudo-terminal
    std::string filePath; // --file: a ".vil" file to take code and image from
    std::string dumpPath; // --dump: image and address written after every image write
    std::string logPath;  // --log: every byte received, appended as it comes
    int first = -1;       // --code F-S
    int second = -1;
    int address = -1; // --address N (1..31)
    int idleTimeoutS = 600;
    int baud = 0;             // --baud: pace answers at this line speed; 0 = at once
    long long chaosSeed = -1; // --chaos SEED[:RATE]; -1 = a quiet line
    double chaosRate = 0.3;
    SimFaults faults;
    std::vector<ChaosFault> chaosKinds;  // --chaos-kinds: the faults drawn; empty = every kind
    std::vector<SimDeviceEntry> devices; // --device, repeatable: several devices on the line
    // --reply-delay ADDRESS:MS, repeatable: one device's delay instead of the line's.
    std::vector<std::pair<int, int>> replyDelays;
    bool help = false;
    bool version = false;
};

extern const char* const kSimUsage;

// false with one line naming the option in error when the arguments make no sense.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// Gives the device its code, image and address from the options.
bool ApplySimOptions(const SimOptions& options, SimulatedDevice& device, std::string& error);

// The devices on the line: those of --device, or the one device of the other
// options when there is none. The line faults apply to every device.
bool BuildSimDevices(const SimOptions& options, std::vector<SimulatedDevice>& devices,
                     std::string& error);

// The dump file: 250 image bytes, then the address.
std::vector<std::uint8_t> SimDump(const SimulatedDevice& device);
