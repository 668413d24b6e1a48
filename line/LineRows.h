#pragma once

#include <string>
#include <vector>

// What became of each address of a line in a survey, a backup, an audit or a
// restore: one kind of row for all of them, and one scale of how much a row
// leaves unknown or undone.
enum class Outcome {
    Ready,      // a survey: the device told its code and is ready
    NotReady,   // a survey: it told another status, or is another kind of device
    Unreadable, // a survey: something answered, but no answer could be read
    Absent,     // nothing answered at the address
    Saved,
    Kept, // its file was there already and was not replaced
    Same,
    Differs,
    Written,
    Confirmed,
    NotConfirmed,
    Refused,    // the device refused, or the program did (access, code, status)
    NoAnswer,   // a device expected there gave no usable answer
    PortClosed, // the port was lost before or under the device's operation
    NotSaved    // read, but its file could not be written
};

// Worst last. The values are the exit statuses of vil3k-tool (2 is its own:
// a bad call, found before anything is sent).
enum class Severity { Done = 0, Finding = 1, NoAnswer = 3, NotSaved = 4 };

struct DeviceRow {
    int address = 0;
    Outcome outcome = Outcome::Absent;
    std::string code;                     // "24-08"; empty when the device told none
    std::string file;                     // the name's bytes; empty when the row has no file
    std::string reason;                   // the last message the device's operation gave, if any
    std::vector<std::string> differences; // file → device, one line per field
};

Severity SeverityOf(Outcome outcome);
// A row's outcome, raised to a finding when its operation gave a message (a
// read that repaired what it loaded).
Severity SeverityOf(const DeviceRow& row);
Severity Worse(Severity a, Severity b);
Severity WorstOf(const std::vector<DeviceRow>& rows);

// The outcome in words ("сохранено") and as a key for scripts ("saved").
const char* OutcomeWord(Outcome outcome);
const char* OutcomeKey(Outcome outcome);
inline constexpr int kOutcomeCount = static_cast<int>(Outcome::NotSaved) + 1;
