#pragma once

#include "ui/Messages.h"

#include <map>
#include <string>

// The messages of the device commands when they run over a line with nobody
// at the window: questions are answered from what the operation was told
// (an answer given for the question's text, otherwise the box's default),
// never shown; notices go on to the seam given, and each warning or error is
// counted and kept for the device's row.
class LineMessages : public Messages {
public:
    explicit LineMessages(Messages& shown) : shown_(shown) {}
    Answer show(const MessageBox& box) override;
    void beep() override {}

    void answer(const std::string& question, Answer given) { answers_[question] = given; }
    // Warnings and errors so far, and the text of the last one.
    int failures() const { return failures_; }
    const std::string& lastFailure() const { return lastFailure_; }

private:
    Messages& shown_;
    std::map<std::string, Answer> answers_;
    int failures_ = 0;
    std::string lastFailure_;
};
