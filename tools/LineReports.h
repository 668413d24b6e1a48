#pragma once

#include <QByteArray>

#include <string>
#include <vector>

// What became of each device in a command over several devices (backup,
// verify, restore), for people and for scripts.
enum class Outcome {
    Saved,
    Same,
    Differs,
    Written,
    Confirmed,
    NotConfirmed,
    Refused,
    NoAnswer,
    NotSaved // read, but the file could not be written
};

struct DeviceReport {
    int address = 0;
    std::string code; // "24-08"; empty when the device told none
    std::string file; // the name's bytes
    Outcome outcome = Outcome::NoAnswer;
    std::vector<std::string> differences; // file → device, one line per field
};

// The exit status a device's outcome calls for, and that of a whole run.
int OutcomeStatus(Outcome outcome);
int RunStatus(const std::vector<DeviceReport>& reports);

// A table row per device (address, code, file name, outcome) with its
// differences indented below it, then the totals by outcome.
std::string ReportTable(const std::vector<DeviceReport>& reports);
// {"port": ..., "devices": [{"address", "code", "file", "result", "differences"}]}.
QByteArray ReportJson(const std::vector<DeviceReport>& reports, const std::string& portName);
