#pragma once

#include "line/LineRows.h"
#include "link/ExchangeResult.h"

#include <atomic>
#include <functional>
#include <vector>

class DeviceLink;
class LineSession;

// One address of a survey: what its identification answer said.
struct SurveyRow {
    int address = 0;
    ExchangeResult result = kResultSilent; // kResultSilent: nobody there
    int first = 0;                         // execution code, when the answer carries one
    int second = 0;
    int status = -1; // status byte; kOtherDeviceStatus for the other form of answer

    // Something at the address answered: its identification, an exception of
    // its own, or an answer that could not be read.
    bool heard() const;
    // The answer told an execution code.
    bool coded() const;
    Outcome outcome() const;
    // The outcome in words, a bad checksum named as such.
    const char* word() const;
};

struct SurveySettings {
    int first = 1;
    int last = 31;
    // How long an answer is waited for in all; the first question to each
    // address waits much less, and a late answer is taken when it comes.
    int timeoutMs = 500;
    // Rounds asked again of the addresses that gave no identification.
    int retries = 1;
};

struct SurveyObserver {
    std::function<void(const SurveyRow& row)> settled; // a row is final
    std::function<void(int done, int total)> progress; // addresses asked in the first round
};

// How long so many bytes take on the line at its speed, rounded up.
int BytesOnLineMs(const DeviceLink& link, int bytes);
// How long the first round listens after each question: the question and an
// identification answer at the line's speed, and a device's turnaround.
int QuickWaitMs(const DeviceLink& link);

// Asks every address from first to last for its identification (0x11) and
// gives every address asked a row, in order: a device found (ready or not),
// nobody there, or something that answered but could not be read, with the
// result that says why. The first round asks one address after another with
// the short wait; an answer counts for the address it names, whenever it
// comes, and only when its CRC holds, so a slow device is never taken for
// another. What is still silent is asked again (retries) the same way; an
// address that brought noise or an exception is then asked alone, with the
// whole time-out. A cancel stops it between two questions, with the rows of
// the addresses asked so far. The link's own settings are left as found.
std::vector<SurveyRow> SurveyLine(LineSession& session, const SurveySettings& settings,
                                  const SurveyObserver& observer = {},
                                  const std::atomic<bool>* cancel = nullptr);
