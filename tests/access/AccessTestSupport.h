#pragma once

#include "access/AccessControl.h"
#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

// Plays the operator at the password dialog: each showing takes the next
// typed entry and closes with Enter; the real close handler decides.
class FakeOperator : public PasswordDialog {
public:
    FakeOperator(ConfigurationModel& model, FakeMessages& messages)
        : model_(model), messages_(messages) {}

    void prepareChange() override {
        warningShown = true;
        field.clear();
    }
    int exec() override {
        ++shown;
        if (entries.empty()) {
            // Give up rather than retry for ever.
            ADD_FAILURE() << "the dialog was shown more often than expected";
            messages_.answers.push_front(Answer::Cancel);
            return kPasswordRefused;
        }
        field = entries.front();
        entries.pop_front();
        const CloseVerdict verdict = PasswordCloseHandler(model_, messages_, field);
        if (verdict.clearField)
            field.clear();
        return verdict.result;
    }
    std::string typedText() const override { return field; }

    std::deque<std::string> entries;
    std::string field;
    int shown = 0;
    bool warningShown = false;

private:
    ConfigurationModel& model_;
    FakeMessages& messages_;
};
