#pragma once

#include "files/SchemeFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A configuration (execution code, device byte and image) taken apart into the
// fields an engineer reads: inputs in image order (numbered as on screen) and
// the 13 function blocks. Values the editor would never write are kept as they
// are, so that a listing or a comparison shows what the device really holds.

struct RowSettings {    // a channel record, or bytes 5..8 of a block record
    int signalling = 0; // 0 none, 1 warning, 2 alarm, 3 indication
    int cell = 0;
    int delayUnits = 0;
    bool tenSecondUnit = false;
    std::uint8_t mr1 = 0;
    std::uint8_t mr2 = 0;
    bool interlock = false;
};

struct InputFields {
    int number = 0; // image index + 1
    bool included = false;
    bool normallyOpen = false;
    RowSettings row;
};

struct BlockInput {
    bool direct = false;
    bool fromBlock = false;
    int number = 0; // 0: not connected
};

struct BlockFields {
    int number = 0;   // 1..13
    int typeByte = 0; // byte 0 as stored
    std::array<BlockInput, 4> inputs{};
    bool pulse = false;
    RowSettings row;
    bool used() const { return typeByte != 0; }
};

struct ConfigFields {
    int first = 0;
    int second = 0;
    int deviceNumber = 1;
    bool externalAck = false;
    std::vector<InputFields> inputs;
    std::array<BlockFields, 13> blocks{};
};

// The data must carry one of the fourteen execution codes.
ConfigFields DecodeConfiguration(const SchemeFileData& data);

// Words of the values, as the listing and the differences print them.
std::string CodeText(int first, int second);
std::string SignallingText(int signalling);
std::string DelayText(const RowSettings& row);
std::string OutputsText(std::uint8_t mr1, std::uint8_t mr2);
std::string BlockTypeText(int typeByte);
std::string BlockInputText(const BlockInput& input);
std::string TimerText(bool pulse);
std::string YesNo(bool value);
