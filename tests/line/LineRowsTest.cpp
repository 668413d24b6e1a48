// The one table of outcomes: what each row weighs, and that a run weighs as
// its worst row whatever the order; the empty addresses summed up in a line.

#include "line/LineRows.h"
#include "line/AddressRanges.h"

#include <gtest/gtest.h>

namespace {

DeviceRow Row(Outcome outcome, const char* reason = "") {
    return {1, outcome, "", "", reason, {}};
}

TEST(LineRows, ARunWeighsAsItsWorstRow) {
    using enum Outcome;
    const struct {
        const char* name;
        std::vector<DeviceRow> rows;
        Severity worst;
    } cases[] = {
        {"nothing asked", {}, Severity::Done},
        {"all well",
         {Row(Ready), Row(Absent), Row(Saved), Row(Same), Row(Written), Row(Confirmed)},
         Severity::Done},
        {"a file kept", {Row(Saved), Row(Kept)}, Severity::Finding},
        {"a read that repaired what it loaded",
         {Row(Saved, "при чтении БД обнаружены и исправлены ошибки")},
         Severity::Finding},
        {"not ready", {Row(NotReady)}, Severity::Finding},
        {"unreadable", {Row(Unreadable)}, Severity::Finding},
        {"refused", {Row(Refused)}, Severity::Finding},
        {"not confirmed", {Row(NotConfirmed)}, Severity::Finding},
        {"silence outweighs a difference", {Row(NoAnswer), Row(Differs)}, Severity::NoAnswer},
        {"a difference does not hide silence", {Row(Differs), Row(NoAnswer)}, Severity::NoAnswer},
        {"not saved outweighs everything",
         {Row(Differs), Row(NotSaved), Row(NoAnswer), Row(Kept)},
         Severity::NotSaved},
        {"not saved first", {Row(NotSaved), Row(Refused)}, Severity::NotSaved},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorstOf(c.rows), c.worst) << c.name;
    // The exit statuses the tool documents.
    EXPECT_EQ(static_cast<int>(Severity::Finding), 1);
    EXPECT_EQ(static_cast<int>(Severity::NoAnswer), 3);
    EXPECT_EQ(static_cast<int>(Severity::NotSaved), 4);
}

} // namespace

// The addresses where nobody answered, in one line of the report.
TEST(AddressRanges, NeighboursJoinOthersStandAlone) {
    const struct {
        std::vector<int> addresses;
        const char* text;
    } cases[] = {
        {{}, ""},
        {{7}, "7"},
        {{1, 3, 4, 6}, "1, 3–4, 6"},
        {{1, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 31}, "1, 3–6, 8–12, 14, 31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddressRangesText(c.addresses), c.text);
}
