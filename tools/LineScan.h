#pragma once

#include "link/ExchangeResult.h"

#include <functional>
#include <string>
#include <vector>

class TComPortClass;

// One address of a line survey: what its identification answer said.
struct ScanRow {
    int address = 0;
    ExchangeResult result = kResultOk; // kResultSilent: nobody there
    int first = 0;                     // execution code, when the answer carries one
    int second = 0;
    int status = -1; // status byte; kOtherDeviceStatus for the other form of answer
};

// Asks every address from first to last for its identification (0x11) with
// whatever retries and time-outs the link is set to; `progress` hears after
// each address how many are done.
std::vector<ScanRow> ScanLine(TComPortClass& link, int first, int last,
                              const std::function<void(int done, int total)>& progress);

// The table: address, execution code, status; absent devices named as such.
std::string ScanTable(const std::vector<ScanRow>& rows, const std::string& portName);

// A device answered with an error or a status other than ready.
bool ScanFoundFaults(const std::vector<ScanRow>& rows);
