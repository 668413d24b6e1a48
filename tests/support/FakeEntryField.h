#pragma once

#include "ui/EntryField.h"

#include <string>
#include <vector>

// An entry field that remembers its colour changes in order.
class FakeEntryField : public EntryField {
public:
    explicit FakeEntryField(std::string initial = "") : value(std::move(initial)) {}
    std::string text() const override { return value; }
    void setText(const std::string& text) override { value = text; }
    void setErrorColour(bool error) override { colours.push_back(error); }

    std::string value;
    std::vector<bool> colours; // true = red, false = white
};
