#pragma once

#include <string>

// A numeric entry field as the entry routines see it: its text and whether it
// shows the error colour. Dialog fields and tests implement it.
class EntryField {
public:
    virtual ~EntryField() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    // true = red (error), false = white (normal)
    virtual void setErrorColour(bool error) = 0;
};
