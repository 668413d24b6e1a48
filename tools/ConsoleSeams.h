#pragma once

#include "ui/Messages.h"

#include <cstdio>
#include <functional>
#include <string>

// A message of the tool: every line of it on `out` after "vil3k-tool: ", so
// that each can be told from the output of other programs in a log.
void PrintMessage(std::FILE* out, const std::string& text);

// A bar on standard error that moves with each device done; nothing when
// standard error is no terminal (a log would fill with its redrawings).
std::function<void(int done, int total)> TerminalProgressBar();

// The message seam on a terminal: every notice becomes its text on standard
// error; Retry/Cancel boxes get Cancel, since nobody is there to try again.
// Questions get the box's default, unshown (the line operations answer their
// own before they get here).
class ConsoleMessages : public Messages {
public:
    explicit ConsoleMessages(std::FILE* out = stderr) : out_(out) {}
    Answer show(const MessageBox& box) override;
    void beep() override {}

private:
    std::FILE* out_;
};
