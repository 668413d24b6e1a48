#pragma once

#include "editor/SchemeWindow.h"
#include "ui/Messages.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>

// A message of the tool: every line of it on `out` after "vil3k-tool: ", so
// that each can be told from the output of other programs in a log.
void PrintMessage(std::FILE* out, const std::string& text);

// A bar on standard error that moves with each device done; nothing when
// standard error is no terminal (a log would fill with its redrawings).
std::function<void(int done, int total)> TerminalProgressBar();

// The message seam on a terminal: every notice becomes its text on standard
// error. Questions are answered from the command line, without being shown
// (nobody was asked): an answer given for the question's text, otherwise the
// box's default; Retry/Cancel boxes get Cancel, since nobody is there to try
// again.
class ConsoleMessages : public Messages {
public:
    explicit ConsoleMessages(std::FILE* out = stderr) : out_(out) {}
    Answer show(const MessageBox& box) override;
    void beep() override {}

    void answer(const std::string& question, Answer given) { answers_[question] = given; }
    // Warnings and errors shown so far.
    int failures() const { return failures_; }

private:
    std::FILE* out_;
    std::map<std::string, Answer> answers_;
    int failures_ = 0;
};

// A plain entry field: the code fields of the window without a window.
class TextEntry : public EntryField {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void setErrorColour(bool) override {}

private:
    std::string text_ = "00";
};

// The main window as the device commands see it, without widgets: it keeps the
// code fields, the acknowledge switch and whether a scheme was loaded.
class ConsoleWindow : public SchemeWindow {
public:
    EntryField& firstCodeField() override { return first_; }
    EntryField& secondCodeField() override { return second_; }
    void showExecCode(int first, int second) override;
    void selectLinkAddress(int) override {}
    void selectDeviceNumber(int) override {}
    // Loading a scheme ends in a new caption.
    void setCaption(const std::string&) override { loaded = true; }
    void setTimeDateEnabled(bool) override {}
    bool externalAckDown() const override { return externalAck; }
    void syncScheme() override {}
    void scrollSchemeToTop() override {}
    void scrollSchemeTo(int) override {}
    void focusScheme() override {}
    void focusFirstControl() override {}
    void requestExit() override {}

    bool externalAck = false;
    bool loaded = false;

private:
    TextEntry first_;
    TextEntry second_;
};
