#pragma once

#include "link/ExchangeResult.h"

#include <QByteArray>

#include <functional>
#include <string>
#include <vector>

class DeviceLink;

// One address of a line survey: what its identification answer said.
struct ScanRow {
    int address = 0;
    ExchangeResult result = kResultOk; // kResultSilent: nobody there
    int first = 0;                     // execution code, when the answer carries one
    int second = 0;
    int status = -1; // status byte; kOtherDeviceStatus for the other form of answer

    // The device itself answered: its identification, or an exception of its own.
    bool answered() const;
};

// Asks every address from first to last for its identification (0x11): one
// attempt, and `retries` more after an attempt that brought no answer from
// that address, with whatever time-outs the link is set to. An answer counts
// only for the address it names, and what is left of a late answer is
// drained before the next question, so a slow device is never taken for the
// next one. `progress` hears after each address how many are done.
std::vector<ScanRow> ScanLine(DeviceLink& link, int first, int last, int retries,
                              const std::function<void(int done, int total)>& progress);

// The table: address, execution code, status; absent devices named as such.
std::string ScanTable(const std::vector<ScanRow>& rows, const std::string& portName);
// The same for scripts: every address with whether it answered, its code and
// status.
QByteArray ScanJson(const std::vector<ScanRow>& rows, const std::string& portName);

// A device answered with an error or a status other than ready.
bool ScanFoundFaults(const std::vector<ScanRow>& rows);
bool AnyAnswered(const std::vector<ScanRow>& rows);
