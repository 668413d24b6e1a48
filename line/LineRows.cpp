#include "line/LineRows.h"

#include "line/LineTexts.h"

#include <algorithm>
#include <array>

using namespace line_text;

namespace {

struct OutcomeEntry {
    const char* word;
    const char* key;
    Severity severity;
};

// In the order of Outcome: the one table every command's rows are judged by.
constexpr std::array<OutcomeEntry, kOutcomeCount> kOutcomes{{
    {kOutcomeReady, "ready", Severity::Done},
    {kOutcomeNotReady, "not-ready", Severity::Finding},
    {kOutcomeUnreadable, "unreadable", Severity::Finding},
    {kOutcomeAbsent, "absent", Severity::Done},
    {kOutcomeSaved, "saved", Severity::Done},
    {kOutcomeKept, "kept", Severity::Finding},
    {kOutcomeSame, "same", Severity::Done},
    {kOutcomeDiffers, "differs", Severity::Finding},
    {kOutcomeWritten, "written", Severity::Done},
    {kOutcomeConfirmed, "confirmed", Severity::Done},
    {kOutcomeNotConfirmed, "not-confirmed", Severity::Finding},
    {kOutcomeRefused, "refused", Severity::Finding},
    {kOutcomeNoAnswer, "no-answer", Severity::NoAnswer},
    {kOutcomePortClosed, "port-closed", Severity::NoAnswer},
    {kOutcomeNotSaved, "not-saved", Severity::NotSaved},
}};

const OutcomeEntry& Entry(Outcome outcome) {
    return kOutcomes[static_cast<std::size_t>(outcome)];
}

} // namespace

Severity SeverityOf(Outcome outcome) {
    return Entry(outcome).severity;
}

Severity SeverityOf(const DeviceRow& row) {
    return Worse(SeverityOf(row.outcome), row.reason.empty() ? Severity::Done : Severity::Finding);
}

// The less is known of a device, or the more is lost, the worse.
Severity Worse(Severity a, Severity b) {
    return std::max(a, b);
}

Severity WorstOf(const std::vector<DeviceRow>& rows) {
    Severity worst = Severity::Done;
    for (const DeviceRow& row : rows)
        worst = Worse(worst, SeverityOf(row));
    return worst;
}

const char* OutcomeWord(Outcome outcome) {
    return Entry(outcome).word;
}

const char* OutcomeKey(Outcome outcome) {
    return Entry(outcome).key;
}
