// The one table of outcomes: what each row weighs, and that a run weighs as
// its worst row whatever the order.

#include "line/LineRows.h"

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
