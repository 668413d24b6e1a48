#pragma once

#include "ui/EntryField.h"

#include <string>

// What the commands that load, save or transfer a scheme need of the main
// window beyond the model and the scheme view: the header controls, the
// caption, scrolling and focus. The main window implements it; tests give a
// recording fake.
class SchemeWindow {
public:
    virtual ~SchemeWindow() = default;

    // The two parts of the execution code as the operator sees them.
    virtual EntryField& firstCodeField() = 0;
    virtual EntryField& secondCodeField() = 0;
    // Writes both parts as plain decimal numbers ("6", "0").
    virtual void showExecCode(int first, int second) = 0;

    // "Устр. №" (exchanges) and "Изм. № устр." (number written into the scheme),
    // by index (device number − 1).
    virtual void selectLinkAddress(int index) = 0;
    virtual void selectDeviceNumber(int index) = 0;

    virtual void setCaption(const std::string& caption) = 0;
    // "Задание времени и даты"
    virtual void setTimeDateEnabled(bool enabled) = 0;
    // The external-acknowledge button "Вн. квит." is down.
    virtual bool externalAckDown() const = 0;

    // Copies the scheme view's header state to the widgets and resizes the scheme.
    virtual void syncScheme() = 0;
    // Scroll to the top and make the scroll range end at the last visible group.
    virtual void scrollSchemeToTop() = 0;
    // Vertical scroll position of the scheme, limited to its range.
    virtual void scrollSchemeTo(int y) = 0;
    virtual void focusScheme() = 0;
    // The first control of the window, so that a field being edited is finished.
    virtual void focusFirstControl() = 0;

    // The exit command: asks for confirmation and closes the window.
    virtual void requestExit() = 0;
};
