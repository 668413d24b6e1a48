#pragma once

#include "editor/SchemeWindow.h"
#include "support/FakeEntryField.h"

#include <string>
#include <vector>

// The main window as the load, save and transfer commands see it; every call is logged in order.
class RecordingWindow : public SchemeWindow {
public:
    EntryField& firstCodeField() override { return first; }
    EntryField& secondCodeField() override { return second; }
    void showExecCode(int a, int b) override {
        first.value = std::to_string(a);
        second.value = std::to_string(b);
        log.push_back("code " + first.value + "-" + second.value);
    }
    void selectLinkAddress(int index) override {
        linkAddress = index;
        log.push_back("link " + std::to_string(index));
    }
    void selectDeviceNumber(int index) override {
        deviceNumber = index;
        log.push_back("number " + std::to_string(index));
    }
    void setCaption(const std::string& text) override {
        caption = text;
        log.push_back("caption");
    }
    void setTimeDateEnabled(bool enabled) override {
        log.push_back(enabled ? "time-date on" : "time-date off");
    }
    bool externalAckDown() const override { return ackDown; }
    void syncScheme() override { log.push_back("sync"); }
    void scrollSchemeToTop() override { log.push_back("top"); }
    void scrollSchemeTo(int y) override { log.push_back("scroll " + std::to_string(y)); }
    void focusScheme() override { log.push_back("focus scheme"); }
    void focusFirstControl() override { log.push_back("focus first"); }
    void requestExit() override { log.push_back("exit"); }

    FakeEntryField first{"00"};
    FakeEntryField second{"00"};
    int linkAddress = -1;
    int deviceNumber = -1;
    std::string caption;
    bool ackDown = false;
    std::vector<std::string> log;
};
