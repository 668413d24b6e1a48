#pragma once

#include "ui/Messages.h"

#include <deque>
#include <vector>

// Records every box and answers from a script; with the script empty it
// answers the box's default button.
class FakeMessages : public Messages {
public:
    Answer show(const MessageBox& box) override {
        shown.push_back(box);
        if (answers.empty())
            return box.defaultButton;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }

    std::vector<MessageBox> shown;
    std::deque<Answer> answers;
    int beeps = 0;
};
