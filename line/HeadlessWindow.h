#pragma once

#include "editor/SchemeWindow.h"

#include <string>

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
// code fields, the acknowledge switch and whether a scheme was loaded. For
// device work on a whole line, where no scheme is shown.
class HeadlessWindow : public SchemeWindow {
public:
    EntryField& firstCodeField() override { return first_; }
    EntryField& secondCodeField() override { return second_; }
    void showExecCode(int first, int second) override {
        first_.setText(std::to_string(first));
        second_.setText(std::to_string(second));
    }
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
